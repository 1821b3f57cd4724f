// The main window, driven offscreen: its frame, the port and map choices, and
// opening a record file through the verifier.
#include "analysis/ui/TfAnalyse.h"
#include "recordfile/TVDR.h"
#include "settings/Tools.h"
#include "shell/RecordVerification.h"
#include "shell/ui/TfInformation.h"
#include "shell/ui/TfMain.h"

#include "ModalScript.h"
#include "ShellFixtures.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QString kSet = QStringLiteral("SET");

// A main window with its analysis window and about window, no password prompt.
class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void create(QSize screen = QSize(1920, 1080)) {
        main = std::make_unique<TfMain>();
        main->SetScreenSizeSource([screen] { return screen; });
        analyse = new TfAnalyse(vdr, main.get());
        analyse->SetPauseScale(0.0);
        main->SetAnalyseWindow(analyse);
        main->SetInformationWindow(new TfInformation(main->windowTitle(), main.get()));
    }
    void createShown() {
        create();
        main->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return main->IsUnlocked(); }, 5000));
    }
    int tag() const { return main->ToolButton1->property("Tag").toInt(); }
    QString iniValue(const char* key) const {
        return ReadIniString(kSet, QString::fromLatin1(key), QStringLiteral("<none>"));
    }

    // A step for the open dialog: go to the file's folder, click the file in the
    // list once the folder is read, and press the dialog's open button.
    static std::function<void(QFileDialog*)> pick(const QString& path) {
        return [path](QFileDialog* d) {
            d->setDirectory(QFileInfo(path).absolutePath());
            auto* model = d->findChild<QFileSystemModel*>();
            auto* view = d->findChild<QListView*>(QStringLiteral("listView"));
            ASSERT_TRUE(model && view);
            ASSERT_TRUE(QTest::qWaitFor([&] { return model->index(path).isValid(); }, 5000));
            view->selectionModel()->select(model->index(path),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            QMetaObject::invokeMethod(d, "accept");
        };
    }
    // A step for the analysis window: once its loading run has ended, note what
    // it showed and whether the main window was hidden meanwhile, and close it.
    std::function<void(TfAnalyse*)> closeWhenLoaded() {
        return [this](TfAnalyse* w) {
            shownFile = w->mszVDRFile;
            status = w->StatusText(0);
            mainHiddenMeanwhile = !main->isVisible();
            w->close();
        };
    }
    static std::function<bool(TfAnalyse*)> loaded() {
        return [](TfAnalyse* w) { return !w->mbFormShow && !w->IsLoading(); };
    }

    ProgramFolder folder;
    TVDR vdr;
    std::unique_ptr<TfMain> main;
    TfAnalyse* analyse = nullptr;
    QString shownFile;
    QString status;
    bool mainHiddenMeanwhile = false;
};

TEST_F(MainWindow, FrameCarriesItsTitleMenusToolBarAndStatusBar) {
    createShown();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("行車記錄器台灣標準 – 標準版軟體 v1.0.1"));
    EXPECT_EQ(main->size(), QSize(1280, 720));
    EXPECT_FALSE(main->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main->windowFlags() & Qt::WindowMinimizeButtonHint);

    // Menus and items: object name, text, tag.
    struct Item {
        const char* name;
        const char16_t* text;
        int tag;
    };
    const Item items[] = {
        {"M4File", u"檔案 (&F)", 0},
        {"MapsAPIKey1", u"Google Maps API Key 設定", 0},
        {"M4FileExit", u"結束 (&E)", 0},
        {"O1", u"選項 (&O)", 0},
        {"RS2321", u"設定 RS232 下載通訊埠 (115200,O,8,1)", 0},
        {"COM11", u"COM1", 1},
        {"COM41", u"COM4", 4},
        {"COM81", u"COM8", 8},
        {"M4Maps", u"GPS 定位使用的地圖", 0},
        {"M4GMaps", u"Google Maps (谷歌地圖)(依Google付費政策，可能需付費)", 1},
        {"M4OSMaps", u"OpenStreetMap (開放街圖) (免費)", 2},
        {"N4", u"開啟記錄檔進行分析 (&A)", 0},
        {"RS2322", u"自 RS232 連線下載記錄檔", 0},
        {"N6", u"開啟隨身碟(硬碟)記錄檔", 0},
        {"H1", u"關於 (&H)", 0},
        {"N1", u"軟體資訊", 0},
    };
    for (const Item& item : items) {
        QAction* action = main->findChild<QAction*>(QString::fromLatin1(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QString::fromUtf16(item.text)) << item.name;
        EXPECT_EQ(action->data().toInt(), item.tag) << item.name;
    }
    for (const char* separator : {"N2", "N3", "N5"}) {
        QAction* action = main->findChild<QAction*>(QString::fromLatin1(separator));
        ASSERT_NE(action, nullptr) << separator;
        EXPECT_TRUE(action->isSeparator()) << separator;
    }
    // The menu bar and each menu in order, and the port menu's hint.
    auto names = [](const QList<QAction*>& actions) {
        QStringList list;
        for (QAction* a : actions)
            list << a->objectName();
        return list;
    };
    EXPECT_EQ(names(main->menuBar()->actions()), (QStringList{"M4File", "O1", "N4", "H1"}));
    EXPECT_EQ(names(main->M4File->actions()), (QStringList{"MapsAPIKey1", "N2", "M4FileExit"}));
    EXPECT_EQ(names(main->O1->actions()), (QStringList{"RS2321", "N3", "M4Maps"}));
    EXPECT_EQ(names(main->RS2321->actions()),
              (QStringList{"COM11", "COM21", "COM31", "COM41", "COM51", "COM61", "COM71", "COM81"}));
    EXPECT_EQ(names(main->M4Maps->actions()), (QStringList{"M4GMaps", "M4OSMaps"}));
    EXPECT_EQ(names(main->N4->actions()), (QStringList{"RS2322", "N5", "N6"}));
    EXPECT_EQ(names(main->H1->actions()), (QStringList{"N1"}));
    EXPECT_EQ(
        main->RS2321->menuAction()->toolTip(),
        QStringLiteral("通訊速率為 115200 bps "
                       "，以位元組為單位，含有一個起始位元、八個資料位元、一個停止位元及一個奇校驗位元"));

    EXPECT_EQ(main->ToolButton1->text(), QStringLiteral(" 開啟記錄檔 "));
    EXPECT_EQ(main->ToolButton1->toolTip(), QStringLiteral("開啟由隨身碟下載的 .VDR 行車記錄檔"));
    EXPECT_EQ(main->ToolButton1->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(main->ToolButton4->text(), QStringLiteral("結束"));
    EXPECT_EQ(main->P4Message->text(), QStringLiteral("訊息"));

    // Fresh settings: COM1 and OpenStreetMap.
    EXPECT_EQ(main->StatusText(0), QStringLiteral(" 通訊埠 : COM1"));
    EXPECT_EQ(main->StatusText(1), QStringLiteral(" OpenStreetMap"));
    EXPECT_EQ(main->StatusText(2), QString());
    EXPECT_EQ(main->StatusText(3), QStringLiteral(" 本程式最徍解析度需 1280*768 以上"));
    const int widths[] = {100, 120, 100};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(main->findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(i))->width(), widths[i]);

    EXPECT_EQ(main->OpenDialog1->windowTitle(), QStringLiteral("開啟記錄檔 (.VDR)"));
    EXPECT_EQ(main->OpenDialog1->nameFilters(), QStringList{QStringLiteral("行車記錄檔 (*.vdr)")});
    EXPECT_EQ(main->OpenDialog1->directory().absolutePath(), folder.path() + QStringLiteral("記錄下載區"));
    EXPECT_TRUE(QFileInfo(folder.file(QStringLiteral("記錄下載區"))).isDir());
}

TEST_F(MainWindow, TitleMarksTheTestCentreEditionAndDebugModeFollowsItsFile) {
    folder.write(QStringLiteral("VEXO.ini"), QByteArray());
    folder.write(QStringLiteral("Debug"), QByteArray());
    create();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("行車記錄器台灣標準 – 標準版軟體 v1.0.1(VEXO)"));
    EXPECT_TRUE(IsDebugMode());
}

TEST_F(MainWindow, PortChoiceIsWrittenAtOnce) {
    WriteIniString(kSet, QStringLiteral("TRComPort"), QStringLiteral("5"));
    createShown();
    auto checked = [&] {
        QStringList names;
        for (QAction* a : main->COM)
            if (a->isChecked()) names << a->objectName();
        return names;
    };
    EXPECT_EQ(checked(), QStringList{QStringLiteral("COM51")});
    EXPECT_EQ(main->StatusText(0), QStringLiteral(" 通訊埠 : COM5"));

    main->COM[2]->trigger();
    EXPECT_EQ(iniValue("TRComPort"), QStringLiteral("3"));
    EXPECT_EQ(TSYS.TRComPort, 3);
    EXPECT_EQ(checked(), QStringList{QStringLiteral("COM31")});
    EXPECT_EQ(main->StatusText(0), QStringLiteral(" 通訊埠 : COM3"));

    // Choosing the checked port again writes nothing: a value put in by hand stays.
    WriteIniString(kSet, QStringLiteral("TRComPort"), QStringLiteral("7"));
    main->COM[2]->trigger();
    EXPECT_EQ(iniValue("TRComPort"), QStringLiteral("7"));
    EXPECT_EQ(checked(), QStringList{QStringLiteral("COM31")});
    EXPECT_EQ(main->StatusText(0), QStringLiteral(" 通訊埠 : COM3"));
}

TEST_F(MainWindow, MapChoiceIsWrittenAtOnce) {
    WriteIniString(kSet, QStringLiteral("MapType"), QStringLiteral("1"));
    createShown();
    EXPECT_TRUE(main->M4GMaps->isChecked());
    EXPECT_FALSE(main->M4OSMaps->isChecked());
    EXPECT_EQ(main->StatusText(1), QStringLiteral(" GoogleMap"));

    main->M4OSMaps->trigger();
    EXPECT_EQ(iniValue("MapType"), QStringLiteral("2"));
    EXPECT_EQ(TSYS.MapType, 2);
    EXPECT_FALSE(main->M4GMaps->isChecked());
    EXPECT_TRUE(main->M4OSMaps->isChecked());
    EXPECT_EQ(main->StatusText(1), QStringLiteral(" OpenStreetMap"));

    WriteIniString(kSet, QStringLiteral("MapType"), QStringLiteral("1"));
    main->M4OSMaps->trigger();
    EXPECT_EQ(iniValue("MapType"), QStringLiteral("1"));
    EXPECT_TRUE(main->M4OSMaps->isChecked());

    main->M4GMaps->trigger();
    EXPECT_EQ(iniValue("MapType"), QStringLiteral("1"));
    EXPECT_EQ(main->StatusText(1), QStringLiteral(" GoogleMap"));
}

struct ScreenCase {
    const char* name;
    QSize screen;
    const char16_t* warning; // nullptr: none
};
void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

const ScreenCase kScreens[] = {
    {"too_low", QSize(1280, 720),
     u"warning:本軟體需螢幕解析度為 1280x768，目前的解析度為 1280x720，可能會導致部份圖表顯示不正常 !"},
    {"too_narrow", QSize(1024, 800),
     u"warning:本軟體需螢幕解析度為 1280x768，目前的解析度為 1024x800，可能會導致部份圖表顯示不正常 !"},
    {"just_enough", QSize(1280, 768), nullptr},
    {"wide", QSize(1366, 768), nullptr},
};

class ScreenCheck : public MainWindow, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenCheck, WarnsOnASmallScreenAndGoesOn) {
    ModalScript script(2000);
    if (GetParam().warning) script.answer(QMessageBox::Ok);
    script.start();
    create(GetParam().screen);
    main->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main->IsUnlocked() && script.done(); }, 5000));
    QTest::qWait(50);
    EXPECT_TRUE(script.unexpected().isEmpty()) << script.unexpected().join(QLatin1Char('\n')).toStdString();
    const QStringList expected =
        GetParam().warning ? QStringList{QString::fromUtf16(GetParam().warning)} : QStringList{};
    EXPECT_EQ(script.messages(), expected);
    EXPECT_TRUE(main->isVisible());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ScreenCheck, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

// The open dialog lists record files whatever the case of their extension
// (downloads end in .VDR), and nothing else.
TEST_F(MainWindow, OpenDialogListsRecordFilesOfEitherCase) {
    const QString downloads = folder.file(QStringLiteral("記錄下載區"));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("記錄下載區")));
    for (const char* name : {"D20240101120000_ABC-1234.VDR", "own.vdr", "Mixed.Vdr", "notes.txt", "x.vdrx"})
        folder.write(QStringLiteral("記錄下載區/") + QString::fromLatin1(name), "x");
    createShown();
    QStringList listed;
    ModalScript script;
    script.on<QFileDialog>([&](QFileDialog* d) {
        auto* model = d->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex root = model->index(downloads);
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) >= 3; }, 5000));
        QTest::qWait(100);
        auto* view = d->findChild<QListView*>(QStringLiteral("listView"));
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        d->reject();
    });
    script.start();
    main->ToolButton1Click();
    ASSERT_TRUE(script.done());
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"D20240101120000_ABC-1234.VDR", "Mixed.Vdr", "own.vdr"}));
}

// Opening a file: which verifier, which record, the answer to the question.
struct OpenCase {
    const char* name;
    bool verifier;      // the build's SealCheck in the program folder
    bool signed_;       // the record carries a genuine signature
    const char* answer; // nullptr: no question expected; "yes" or "no"
    const char* line;   // the verifier's line in the question
};
void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << c.name;
}

const OpenCase kOpens[] = {
    {"signed_file_opens_without_question", true, true, nullptr, ""},
    {"unsigned_file_yes_opens", true, false, "yes", "Verification FAILED: -3"},
    {"unsigned_file_no_returns", true, false, "no", "Verification FAILED: -3"},
    {"verifier_removed_yes_opens", false, true, "yes", nullptr},
    {"verifier_removed_no_returns", false, true, "no", nullptr},
};

class OpenRecord : public MainWindow, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenRecord, AsksOnlyWhenTheFileDidNotVerify) {
    const OpenCase& c = GetParam();
    if (c.signed_ && c.verifier && !VerifierHasDevelopmentKey())
        GTEST_SKIP() << "SealCheck was built with another public key";
    if (c.verifier) {
        ASSERT_TRUE(folder.installVerifier());
    }
    // A path with blanks and shell characters, in the download folder.
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("記錄下載區")));
    const QString path = folder.file(QStringLiteral("記錄下載區/D 2024 'a' \"b\" $HOME; `id` & (c).vdr"));
    ASSERT_TRUE(WriteRecordFile(path, c.signed_));
    createShown();

    const bool opens = !c.answer || QByteArray(c.answer) == "yes";
    ModalScript script;
    script.on<QFileDialog>(pick(path));
    if (c.answer) script.answer(QByteArray(c.answer) == "yes" ? QMessageBox::Yes : QMessageBox::No);
    if (opens) script.on<TfAnalyse>(closeWhenLoaded(), loaded());
    script.start();
    QTest::mouseClick(main->ToolButton1, Qt::LeftButton);
    ASSERT_TRUE(script.done()) << script.taken();
    EXPECT_TRUE(script.unexpected().isEmpty()) << script.unexpected().join(QLatin1Char('\n')).toStdString();

    if (c.answer) {
        const QString line = c.line ? QString::fromLatin1(c.line) : kVerifierSilentLine;
        EXPECT_EQ(
            script.messages(),
            QStringList{QStringLiteral("information:無法成功驗證簽章，是否繼續載入? \n回應訊息：") + line});
    }
    if (opens) {
        EXPECT_EQ(shownFile, path);
        EXPECT_EQ(status, QStringLiteral(" ") + QFileInfo(path).fileName() + QStringLiteral(" 已正確載入"));
        EXPECT_TRUE(mainHiddenMeanwhile);
    }
    EXPECT_EQ(analyse->LoadRunCount(), opens ? 1 : 0);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(tag(), 0);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, OpenRecord, ::testing::ValuesIn(kOpens),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindow, CancelledDialogLeavesTheActionReadyForTheNextClick) {
    createShown();
    int dialogs = 0;
    ModalScript script;
    for (int i = 0; i < 2; ++i)
        script.on<QFileDialog>([&](QFileDialog* d) {
            ++dialogs;
            d->reject();
        });
    script.start();
    main->N6->trigger();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(tag(), 0);
    QTest::mouseClick(main->ToolButton1, Qt::LeftButton);
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(analyse->LoadRunCount(), 0);
}

// A second open while the first waits for its question does nothing.
TEST_F(MainWindow, OpenActionDoesNotStartTwice) {
    ASSERT_TRUE(folder.installVerifier());
    const QString path = folder.file(QStringLiteral("plain.vdr"));
    ASSERT_TRUE(WriteRecordFile(path, false));
    createShown();
    int tagDuringQuestion = -1;
    bool questionStillOnTop = false;
    ModalScript script;
    script.on<QFileDialog>(pick(path));
    script.on<QMessageBox>([&](QMessageBox* box) {
        tagDuringQuestion = tag();
        main->ToolButton1Click(); // returns at once: no second dialog
        main->N6->trigger();
        questionStillOnTop = QApplication::activeModalWidget() == box;
        box->button(QMessageBox::No)->click();
    });
    script.start();
    main->ToolButton1Click();
    ASSERT_TRUE(script.done()) << script.taken() << script.unexpected().join("|").toStdString();
    EXPECT_EQ(tagDuringQuestion, 1);
    EXPECT_TRUE(questionStillOnTop);
    EXPECT_EQ(tag(), 0);
}

// Closing the main window while the question waits ends the program: the
// answer no longer opens the file, and the window stays closed.
TEST_F(MainWindow, ClosingDuringTheQuestionEndsTheOpenAction) {
    ASSERT_TRUE(folder.installVerifier());
    const QString path = folder.file(QStringLiteral("plain.vdr"));
    ASSERT_TRUE(WriteRecordFile(path, false));
    createShown();
    ModalScript script(2000);
    script.on<QFileDialog>(pick(path));
    script.on<QMessageBox>([&](QMessageBox* box) {
        main->close();
        box->button(QMessageBox::Yes)->click();
    });
    script.start();
    main->ToolButton1Click();
    ASSERT_TRUE(script.done());
    QTest::qWait(50);
    EXPECT_TRUE(script.unexpected().isEmpty()) << script.unexpected().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(analyse->LoadRunCount(), 0);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(tag(), 0);
}

// A file named on the command line (or by a later start) waits for the
// password and goes through the same question.
TEST_F(MainWindow, FileFromOutsideGoesThroughTheVerifierAfterTheFirstActivation) {
    ASSERT_TRUE(folder.installVerifier());
    const QString path = folder.file(QStringLiteral("from outside.vdr"));
    ASSERT_TRUE(WriteRecordFile(path, false));
    create();
    main->OpenFileFromOutside(path);
    EXPECT_EQ(analyse->LoadRunCount(), 0);
    ModalScript script;
    script.answer(QMessageBox::Yes).on<TfAnalyse>(closeWhenLoaded(), loaded());
    script.start();
    main->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return script.done() && !analyse->isVisible(); }, 20000));
    QTest::qWait(20);
    EXPECT_EQ(script.messages(),
              QStringList{QStringLiteral(
                  "information:無法成功驗證簽章，是否繼續載入? \n回應訊息：Verification FAILED: -3")});
    EXPECT_EQ(shownFile, path);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(tag(), 0);
}

TEST_F(MainWindow, AboutWindowOpensFromTheMenuAndClosesOnAClick) {
    createShown();
    QString text;
    ModalScript script;
    script.on<TfInformation>([&](TfInformation* w) {
        text = w->Memo1->toPlainText();
        QTest::mouseClick(w->Memo1->viewport(), Qt::LeftButton);
    });
    script.start();
    main->N1->trigger();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(text.endsWith(QStringLiteral("軟體說明 : 行車記錄器台灣標準 – 標準版軟體 v1.0.1")));
}

TEST_F(MainWindow, ExitClosesTheMainWindow) {
    for (int i = 0; i < 2; ++i) {
        createShown();
        if (i == 0)
            QTest::mouseClick(main->ToolButton4, Qt::LeftButton);
        else
            main->M4FileExit->trigger();
        EXPECT_FALSE(main->isVisible()) << i;
    }
}
} // namespace
