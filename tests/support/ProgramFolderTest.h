#pragma once
// A test whose program folder is a fresh temporary folder: the settings, the
// edition and debug mode start from nothing and are reset afterwards.
#include "settings/Tools.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetExePathOverride(dir.path());
        ResetSettingsState();
        SetDebugMode(false);
    }
    void TearDown() override {
        SetExePathOverride(QString());
        ResetSettingsState();
        SetDebugMode(false);
    }
    // Writes a file into the program folder and returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.path() + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};
