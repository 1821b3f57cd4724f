#pragma once
// A small INI file reader and writer. Section and key lookup ignore the case of
// ASCII letters. Writing one key keeps every other line (sections, keys,
// comments, blank lines, even damaged or binary lines) exactly as it was.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

class IniFile {
  public:
    // Reads the file; a missing or unreadable file gives an empty document.
    bool load(const QString& path);
    // Writes the document whole through a temporary file renamed into place.
    bool save(const QString& path) const;

    void setText(const QByteArray& bytes);
    QByteArray text() const;

    std::optional<QByteArray> value(QByteArrayView section, QByteArrayView key) const;
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // Removes every occurrence of the key in the section; true when one was there.
    bool remove(QByteArrayView section, QByteArrayView key);

  private:
    struct Line {
        QByteArray raw;
    };
    static std::optional<QByteArray> sectionName(const QByteArray& raw);
    static std::optional<std::pair<QByteArray, QByteArray>> keyValue(const QByteArray& raw);
    // Index range [begin, end) of the section's body lines; begin < 0 when absent.
    std::pair<qsizetype, qsizetype> findSection(QByteArrayView section) const;

    QList<QByteArray> mLines;
    QByteArray mEol = "\r\n";
    bool mTrailingEol = true;
};
