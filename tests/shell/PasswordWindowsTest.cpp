// The start-up password prompt and the change dialog, driven offscreen.
#include "settings/Tools.h"
#include "settings/ui/TfChangePassword.h"
#include "settings/ui/TfInputPasswordEX.h"

#include "ModalScript.h"
#include "ShellFixtures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QString kSet = QStringLiteral("SET");
const QString kActiveKey = QStringLiteral("ActiveKey");

class PasswordWindows : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Shows the window, makes it active and waits until it is.
    static void showActive(QWidget& w) {
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static void type(QLineEdit* edit, const QString& text) { QTest::keyClicks(edit, text); }

    ProgramFolder folder;
    TfChangePassword change;
    TfInputPasswordEX prompt{&change};
};

TEST_F(PasswordWindows, PromptAndDialogCarryTheirTextsAndColours) {
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("請輸入密碼"));
    EXPECT_EQ(prompt.palette().color(QPalette::Window), QColor(221, 255, 221));
    EXPECT_FALSE(prompt.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(change.windowTitle(), QStringLiteral("變更密碼"));
    EXPECT_EQ(change.palette().color(QPalette::Window), QColor(238, 247, 255));

    const std::pair<QWidget*, const char16_t*> texts[] = {
        {&prompt, u"Label1:使用者密碼        "},
        {&prompt, u"Label2:(目前為內定密碼 735291)"},
        {&prompt, u"B4OK:確定"},
        {&prompt, u"B4Exit:離開"},
        {&prompt, u"BitBtn1:變更密碼"},
        {&change, u"Label1:目前密碼"},
        {&change, u"Label2:新的密碼"},
        {&change, u"Label3:再次新的密碼"},
        {&change, u"B4OK:確定"},
        {&change, u"B4Exit:離開"},
    };
    for (const auto& [window, entry] : texts) {
        const QString e = QString::fromUtf16(entry);
        const QString name = e.section(QLatin1Char(':'), 0, 0);
        const QString expected = e.section(QLatin1Char(':'), 1);
        QWidget* control = window->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name.toStdString();
        const QString text = qobject_cast<QLabel*>(control) ? qobject_cast<QLabel*>(control)->text()
                                                            : qobject_cast<QPushButton*>(control)->text();
        EXPECT_EQ(text, expected) << name.toStdString();
    }
    EXPECT_EQ(prompt.Label2->palette().color(QPalette::WindowText), QColor(Qt::red));
    for (QLineEdit* edit :
         {prompt.F4Password, change.F4Password, change.F4NewPassword1, change.F4NewPassword2}) {
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        EXPECT_EQ(edit->maxLength(), 12);
    }
}

TEST_F(PasswordWindows, FieldsTurnLettersToUpperCaseAndTakeTwelveCharacters) {
    showActive(prompt);
    type(prompt.F4Password, QStringLiteral("abc1xyz2"));
    EXPECT_EQ(prompt.F4Password->text(), QStringLiteral("ABC1XYZ2"));
    type(prompt.F4Password, QStringLiteral("defghi"));
    EXPECT_EQ(prompt.F4Password->text(), QStringLiteral("ABC1XYZ2DEFG"));
}

struct PromptCase {
    const char* name;
    const char* stored; // "ActiveKey" before, nullptr for none
    const char* typed;
    bool leave;       // "離開" instead of "確定"
    bool accepted;    // CheckPassword afterwards
    bool factoryHint; // Label2 while shown
};
void PrintTo(const PromptCase& c, std::ostream* os) {
    *os << c.name;
}

const PromptCase kPrompts[] = {
    {"factory_password", nullptr, "735291", false, true, true},
    {"blanks_around_it", nullptr, "  735291 ", false, true, true},
    {"wrong_password", nullptr, "735292", false, false, true},
    {"empty", nullptr, "", false, false, true},
    {"left_with_exit", nullptr, "735291", true, false, true},
    // ABC123, stored by a change; typed in lower case.
    {"changed_password", "QUJDMTIzICAgICAgICAgIEFCQzEyMyAgICAgICAgICA=", "abc123", false, true, false},
    {"factory_after_a_change", "QUJDMTIzICAgICAgICAgIEFCQzEyMyAgICAgICAgICA=", "735291", false, false, false},
    // Halves edited apart by hand: the factory password applies again.
    {"damaged_key", "QUJDICAgICAgICAgICAgIEFCRCAgICAgICAgICAgICA=", "735291", false, true, true},
};

class PasswordPrompt : public PasswordWindows, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(PasswordPrompt, ChecksWhatWasTyped) {
    const PromptCase& c = GetParam();
    if (c.stored) WriteIniString(kSet, kActiveKey, QString::fromLatin1(c.stored));
    prompt.mbCancel = !c.leave; // the showing resets it
    bool hintShown = !c.factoryHint;
    ModalScript script;
    script.on<TfInputPasswordEX>([&](TfInputPasswordEX* w) {
        hintShown = w->Label2->isVisible();
        QTest::keyClicks(w->F4Password, QString::fromLatin1(c.typed));
        QTest::mouseClick(c.leave ? w->B4Exit : w->B4OK, Qt::LeftButton);
    });
    script.start();
    prompt.exec();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(hintShown, c.factoryHint);
    EXPECT_EQ(prompt.mbCancel, c.leave);
    EXPECT_EQ(!prompt.mbCancel && prompt.CheckPassword(), c.accepted);
    if (c.leave) {
        EXPECT_TRUE(prompt.F4Password->text().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Password, PasswordPrompt, ::testing::ValuesIn(kPrompts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PasswordWindows, EscapeDoesNotLeaveThePrompt) {
    ModalScript script;
    bool stillShown = false;
    script.on<TfInputPasswordEX>(
        [](TfInputPasswordEX* w) { QTest::keyClick(w->F4Password, Qt::Key_Escape); });
    script.on<TfInputPasswordEX>([&](TfInputPasswordEX* w) {
        stillShown = w->isVisible();
        QTest::keyClicks(w->F4Password, QStringLiteral("735291"));
        QTest::mouseClick(w->B4OK, Qt::LeftButton);
    });
    script.start();
    prompt.exec();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(stillShown);
    EXPECT_FALSE(prompt.mbCancel);
    EXPECT_TRUE(prompt.CheckPassword());
}

// Enter on a field and the Down arrow go to the next control, the Up arrow to
// the previous one, round the end of the order; Enter on a button presses it.
TEST_F(PasswordWindows, KeysStepThroughTheFocusOrder) {
    showActive(change);
    change.F4Password->setFocus();
    const std::pair<int, QWidget*> steps[] = {
        {Qt::Key_Return, change.F4NewPassword1},
        {Qt::Key_Enter, change.F4NewPassword2},
        {Qt::Key_Down, change.B4OK},
        {Qt::Key_Down, change.B4Exit},
        {Qt::Key_Down, change.F4Password},
        {Qt::Key_Up, change.B4Exit},
        {Qt::Key_Up, change.B4OK},
        {Qt::Key_Up, change.F4NewPassword2},
    };
    for (const auto& [key, next] : steps) {
        QTest::keyClick(change.focusWidget(), static_cast<Qt::Key>(key));
        EXPECT_EQ(change.focusWidget(), next) << key;
    }
    change.hide();

    showActive(prompt);
    prompt.F4Password->setFocus();
    const std::pair<int, QWidget*> promptSteps[] = {
        {Qt::Key_Return, prompt.B4OK},     {Qt::Key_Down, prompt.B4Exit}, {Qt::Key_Down, prompt.BitBtn1},
        {Qt::Key_Down, prompt.F4Password}, {Qt::Key_Up, prompt.BitBtn1},
    };
    for (const auto& [key, next] : promptSteps) {
        QTest::keyClick(prompt.focusWidget(), static_cast<Qt::Key>(key));
        EXPECT_EQ(prompt.focusWidget(), next) << key;
    }
    prompt.hide();

    // Typed password, Enter to the button, Enter presses it.
    ModalScript script;
    script.on<TfInputPasswordEX>([](TfInputPasswordEX* w) {
        QTest::keyClicks(w->F4Password, QStringLiteral("735291"));
        QTest::keyClick(w->F4Password, Qt::Key_Return);
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    });
    script.start();
    EXPECT_EQ(prompt.exec(), QDialog::Accepted);
    EXPECT_TRUE(script.done());
}

struct ChangeCase {
    const char* name;
    const char* current;
    const char* new1;
    const char* new2;
    const char16_t* message;
    bool closes;
    const char* storedAfter; // the password read back afterwards
};
void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

const ChangeCase kChanges[] = {
    {"wrong_current", "111111", "ABC", "ABC", u"error:目前密碼不正確 !", false, "735291"},
    // The current password is checked before the new ones.
    {"wrong_current_and_mismatch", "111111", "ABC", "ABD", u"error:目前密碼不正確 !", false, "735291"},
    {"new_ones_differ", "735291", "ABC", "ABD", u"error:新的密碼不正確 !", false, "735291"},
    // Compared as typed: a blank more is a difference.
    {"new_ones_differ_by_a_blank", "735291", "ABC", "ABC ", u"error:新的密碼不正確 !", false, "735291"},
    {"blank_new_password", "735291", "   ", "   ", u"error:新的密碼不正確 (不可為空白密碼) !", false,
     "735291"},
    {"changed", " 735291 ", " ab12 ", " ab12 ", u"information:變更密碼完成 !", true, "AB12"},
};

class ChangePassword : public PasswordWindows, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangePassword, ChecksAndStores) {
    const ChangeCase& c = GetParam();
    ModalScript script;
    script.on<TfChangePassword>([&](TfChangePassword* w) {
        QTest::keyClicks(w->F4Password, QString::fromLatin1(c.current));
        QTest::keyClicks(w->F4NewPassword1, QString::fromLatin1(c.new1));
        QTest::keyClicks(w->F4NewPassword2, QString::fromLatin1(c.new2));
        QTest::mouseClick(w->B4OK, Qt::LeftButton);
    });
    script.answer(QMessageBox::Ok);
    bool stayedOpen = false;
    if (!c.closes)
        script.on<TfChangePassword>([&](TfChangePassword* w) {
            stayedOpen = true;
            QTest::mouseClick(w->B4Exit, Qt::LeftButton);
        });
    script.start();
    change.exec();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.messages(), QStringList{QString::fromUtf16(c.message)});
    EXPECT_EQ(stayedOpen, !c.closes);
    EXPECT_EQ(change.GetPassword(), QString::fromLatin1(c.storedAfter));
}

INSTANTIATE_TEST_SUITE_P(Password, ChangePassword, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PasswordWindows, ChangeFromThePromptTakesEffectAtOnce) {
    QStringList hints;
    auto changeTo = [](const char* current, const char* next) {
        return [current, next](TfChangePassword* w) {
            QTest::keyClicks(w->F4Password, QString::fromLatin1(current));
            QTest::keyClicks(w->F4NewPassword1, QString::fromLatin1(next));
            QTest::keyClicks(w->F4NewPassword2, QString::fromLatin1(next));
            QTest::mouseClick(w->B4OK, Qt::LeftButton);
        };
    };
    auto openChange = [&](TfInputPasswordEX* w) {
        hints << (w->Label2->isVisible() ? QStringLiteral("hint") : QStringLiteral("none"));
        QTest::mouseClick(w->BitBtn1, Qt::LeftButton);
    };
    QString storedBetween;
    ModalScript script;
    script.on<TfInputPasswordEX>(openChange)
        .on<TfChangePassword>(changeTo("735291", "qwe9"))
        .answer(QMessageBox::Ok)
        .on<TfInputPasswordEX>([&](TfInputPasswordEX* w) {
            storedBetween = ReadIniString(kSet, kActiveKey, QString());
            openChange(w);
        })
        .on<TfChangePassword>(changeTo("QWE9", "735291"))
        .answer(QMessageBox::Ok)
        .on<TfInputPasswordEX>([&](TfInputPasswordEX* w) {
            hints << (w->Label2->isVisible() ? QStringLiteral("hint") : QStringLiteral("none"));
            QTest::keyClicks(w->F4Password, QStringLiteral("735291"));
            QTest::mouseClick(w->B4OK, Qt::LeftButton);
        });
    script.start();
    prompt.exec();
    ASSERT_TRUE(script.done());
    // Shown with the hint; after the change to QWE9 without it; back to the factory password with it.
    EXPECT_EQ(hints, (QStringList{QStringLiteral("hint"), QStringLiteral("none"), QStringLiteral("hint")}));
    // "QWE9" padded to 16 blanks, twice, in base64.
    EXPECT_EQ(storedBetween, QStringLiteral("UVdFOSAgICAgICAgICAgIFFXRTkgICAgICAgICAgICA="));
    EXPECT_TRUE(prompt.CheckPassword());
}
} // namespace
