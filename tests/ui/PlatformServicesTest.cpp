// The Qt side of the platform services: message boxes, clipboard, notice
// delivery across threads, error reports from workers, text conversion.

#include "support/TestSupport.h"
#include "platform/TextFile.h"
#include "platform/Cp932.h"
#include "ui/app/UiLanguage.h"
#include "ui/platform/ClipboardService.h"
#include "ui/platform/CoreMessageText.h"
#include "data/MasterData.h"
#include "platform/FolderLock.h"
#include "userfiles/DamagedFile.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/StorableText.h"
#include "userfiles/StoredPath.h"
#include "userfiles/Favorites.h"
#include "userfiles/StoredSearch.h"
#include "ui/platform/FileErrorCause.h"
#include "ui/platform/GuiErrorReporter.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/QtNoticeSink.h"
#include "ui/platform/TextConvert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <map>
#include <mutex>
#include <set>
#include <sys/stat.h>
#include <thread>

using namespace zeku;
using zeku::test::sj;

namespace {

// Boxes that stay up, as a modal box runs its own event loop, until a
// worker has done everything or 5 s have passed; records each request, the
// thread it appeared on and whether the worker was done meanwhile.
class LingeringBoxes final : public MessageBoxService {
public:
    explicit LingeringBoxes(const std::atomic<bool>& workerDone) : m_workerDone(workerDone)
    {
        setMessageBoxService(this);
    }
    ~LingeringBoxes() override { setMessageBoxService(nullptr); }
    std::vector<MessageRequest> requests;
    std::vector<QThread*> threads;
    std::vector<bool> workerDoneWhileUp;
    int mostOnScreen = 0, dismissed = 0;

protected:
    MessageAnswer present(QWidget*, const MessageRequest& request) override
    {
        requests.push_back(request);
        threads.push_back(QThread::currentThread());
        mostOnScreen = std::max(mostOnScreen, ++m_onScreen);
        workerDoneWhileUp.push_back(QTest::qWaitFor([this] { return m_workerDone.load(); }, 5000));
        --m_onScreen;
        ++dismissed;
        return MessageAnswer::Ok;
    }

private:
    const std::atomic<bool>& m_workerDone;
    int m_onScreen = 0;
};

// Presses `button` on the QMessageBox that becomes modal next, after reading
// its caption, icon and buttons into the given outputs.
void answerNextBox(QMessageBox::StandardButton button, QString* caption, QMessageBox::Icon* icon,
                   QMessageBox::StandardButtons* buttons, QStringList* texts)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        timer->deleteLater();
        *caption = box->windowTitle();
        *icon = box->icon();
        *buttons = box->standardButtons();
        for (QMessageBox::StandardButton which :
             {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No})
            if (QAbstractButton* shown = box->button(which))
                texts->append(shown->text());
        box->button(button)->click();
    });
    timer->start();
}

} // namespace

class TestPlatformServices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scriptedBoxRecordsCaptionAndAnswersFromQueue()
    {
        {
            ScriptedMessageBoxService boxes;
            QCOMPARE(&messageBoxService(), &boxes);
            QCOMPARE(showMessage(nullptr, QStringLiteral("検索条件がありません"), MessageIcon::Information),
                     MessageAnswer::Ok);
            boxes.queueAnswer(MessageAnswer::No);
            QCOMPARE(
                showMessage(nullptr, QStringLiteral("保存しますか？"), MessageIcon::Question, MessageButtons::YesNo),
                MessageAnswer::No);
            // An empty queue answers with the first button.
            QCOMPARE(showMessage(nullptr, QStringLiteral("a"), MessageIcon::Question, MessageButtons::YesNo),
                     MessageAnswer::Yes);
            QCOMPARE(showMessage(nullptr, QStringLiteral("b"), MessageIcon::Question, MessageButtons::OkCancel),
                     MessageAnswer::Ok);

            QCOMPARE(boxes.shown().size(), std::size_t(4));
            for (const MessageRequest& r : boxes.shown())
                QCOMPARE(r.caption, QStringLiteral("ZEKU"));
            QCOMPARE(boxes.shown()[0].text, QStringLiteral("検索条件がありません"));
            QCOMPARE(boxes.shown()[0].icon, MessageIcon::Information);
            QCOMPARE(boxes.shown()[1].icon, MessageIcon::Question);
            QCOMPARE(boxes.shown()[1].buttons, MessageButtons::YesNo);
        }
        // Gone again: the real boxes are back.
        QVERIFY(dynamic_cast<QtMessageBoxService*>(&messageBoxService()) != nullptr);
    }

    void realBoxCarriesCaptionIconAndButtons_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("expectedIcon");
        QTest::addColumn<int>("expectedButtons");
        QTest::addColumn<int>("expectedAnswer");
        // The Japanese windows' own captions, not Qt's English ones.
        QTest::addColumn<QStringList>("expectedTexts");
        QTest::newRow("error ok") << int(MessageIcon::Error) << int(MessageButtons::Ok) << int(QMessageBox::Ok)
                                  << int(QMessageBox::Critical) << int(QMessageBox::Ok) << int(MessageAnswer::Ok)
                                  << QStringList{QStringLiteral("ＯＫ")};
        QTest::newRow("question yes/no") << int(MessageIcon::Question) << int(MessageButtons::YesNo)
                                         << int(QMessageBox::No) << int(QMessageBox::Question)
                                         << int(QMessageBox::Yes | QMessageBox::No) << int(MessageAnswer::No)
                                         << QStringList{QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)")};
        QTest::newRow("question ok/cancel")
            << int(MessageIcon::Question) << int(MessageButtons::OkCancel) << int(QMessageBox::Cancel)
            << int(QMessageBox::Question) << int(QMessageBox::Ok | QMessageBox::Cancel) << int(MessageAnswer::Cancel)
            << QStringList{QStringLiteral("ＯＫ"), QStringLiteral("キャンセル")};
    }

    void realBoxCarriesCaptionIconAndButtons()
    {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, press);
        QString caption;
        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons shownButtons;
        QStringList shownTexts;
        answerNextBox(QMessageBox::StandardButton(press), &caption, &shownIcon, &shownButtons, &shownTexts);
        const MessageAnswer answer =
            showMessage(nullptr, QStringLiteral("テキスト"), MessageIcon(icon), MessageButtons(buttons));
        QCOMPARE(caption, QStringLiteral("ZEKU"));
        QTEST(int(shownIcon), "expectedIcon");
        QTEST(int(shownButtons.toInt()), "expectedButtons");
        QTEST(int(answer), "expectedAnswer");
        QTEST(shownTexts, "expectedTexts");
    }

    void clipboardServicesTakeCp932Text()
    {
        const std::string text = sj("ZEKU 0.047\r\n装備セット\r\n");
        {
            RecordingClipboardService recording;
            clipboardService().setText(text);
            QCOMPARE(recording.texts().size(), std::size_t(1));
            QCOMPARE(recording.texts()[0], text);
        }
        clipboardService().setText(text);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ZEKU 0.047\r\n装備セット\r\n"));
    }

    void textConversionRefusesWhatCp932CannotHold()
    {
        QCOMPARE(toQString(sj("攻撃力UP【小】")), QStringLiteral("攻撃力UP【小】"));

        std::string out = "unchanged";
        QString offending;
        QVERIFY(fromQStringStrict(QStringLiteral("ｿｳﾙ装備Ω"), out, offending));
        QCOMPARE(out, sj("ｿｳﾙ装備Ω"));

        out = "unchanged";
        QVERIFY(!fromQStringStrict(QStringLiteral("装備ä珠"), out, offending));
        QCOMPARE(offending, QStringLiteral("ä"));
        QCOMPARE(out, std::string("unchanged"));

        // Characters outside the basic plane and broken surrogates are refused too.
        QVERIFY(!fromQStringStrict(QStringLiteral("珠😀"), out, offending));
        QCOMPARE(offending, QStringLiteral("😀"));
        QString lone = QStringLiteral("珠");
        lone.append(QChar(0xD800));
        QVERIFY(!fromQStringStrict(lone, out, offending));
        QCOMPARE(out, std::string("unchanged"));
        QVERIFY(unrepresentableCharMessage(QStringLiteral("ä")).contains(QStringLiteral("ä")));
    }

    void noticesArriveOnTheUiThreadInPostingOrder()
    {
        QObject receiver;
        std::vector<int32_t> received;
        bool allOnUiThread = true;
        QtNoticeSink sink(&receiver, [&](const Notice& n) {
            allOnUiThread = allOnUiThread && QThread::currentThread() == receiver.thread();
            received.push_back(n.code);
        });

        // Posting from the UI thread itself never runs the handler in place.
        sink.post(Notice{NoticeKind::Search, -1, 0});
        QVERIFY(received.empty());

        // Four workers interleave; a shared counter taken under a lock gives
        // the posting order the notices must arrive in.
        constexpr int kThreads = 4;
        constexpr int kPerThread = 500;
        std::mutex order;
        int next = 0;
        std::vector<std::thread> workers;
        for (int t = 0; t < kThreads; ++t) {
            workers.emplace_back([&] {
                for (int i = 0; i < kPerThread; ++i) {
                    std::lock_guard<std::mutex> lock(order);
                    sink.post(Notice{NoticeKind::FileOperation, next++, 0});
                }
            });
        }
        for (std::thread& w : workers)
            w.join();
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), std::size_t(1 + kThreads * kPerThread), 10000);
        QCOMPARE(received[0], -1);
        for (int i = 0; i < kThreads * kPerThread; ++i)
            QCOMPARE(received[static_cast<std::size_t>(i) + 1], i);
        QVERIFY(allOnUiThread);
    }

    void noticesForADestroyedReceiverAreDropped()
    {
        int calls = 0;
        auto* receiver = new QObject;
        QtNoticeSink sink(receiver, [&](const Notice&) { ++calls; });
        sink.post(Notice{NoticeKind::Search, 1, 0});
        delete receiver;
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
    }

    void errorReportsOnTheUiThreadShowAtOnce()
    {
        ScriptedMessageBoxService boxes;
        GuiErrorReporter reporter;
        reporter.reportFileMessage("user/SParts.dat", systemErrorMessage(ENOSPC));
        reporter.reportErrorMessage("一部の装備が見つかりませんでした");
        QCOMPARE(boxes.shown().size(), std::size_t(2));
        QCOMPARE(boxes.shown()[0].icon, MessageIcon::Error);
        QCOMPARE(boxes.shown()[0].buttons, MessageButtons::Ok);
        QVERIFY(boxes.shown()[0].text.contains(QStringLiteral("user/SParts.dat")));
        QVERIFY(boxes.shown()[0].text.contains(QStringLiteral("ディスクの空き容量が足りません。")));
        QCOMPARE(boxes.shown()[1].text, QStringLiteral("一部の装備が見つかりませんでした"));
        QCOMPARE(boxes.shown()[1].caption, QStringLiteral("ZEKU"));
    }

    void fileErrorCausesAreShownInJapanese()
    {
        const struct {
            int code;
            const char* japanese;
        } known[] = {
            {ENOENT, "ファイルまたはフォルダが見つかりません。"},
            {EACCES, "アクセスする権限がありません。"},
            {EPERM, "アクセスする権限がありません。"},
            {EROFS, "読み取り専用の場所なので書き込めません。"},
            {ENOSPC, "ディスクの空き容量が足りません。"},
            {EDQUOT, "ディスクの使用量の上限に達しました。"},
            {EISDIR, "ファイルの名前でフォルダがあります。"},
            {ENOTDIR, "フォルダの名前でファイルがあります。"},
        };
        // The errno is carried, never the system's text: what strerror and
        // std::error_code make of it is worded alike.
        for (const auto& k : known) {
            QCOMPARE(coreMessageText(systemErrorMessage(k.code)), QString::fromUtf8(k.japanese));
            QCOMPARE(coreMessageText(systemErrorMessage(std::error_code(k.code, std::system_category()))),
                     QString::fromUtf8(k.japanese));
        }
        QCOMPARE(unreadableIndexText(), QStringLiteral("一覧ファイル (index.dat) を読み込めません。"));
        // A cause without a translation keeps the system's words.
        QCOMPARE(coreMessageText(systemErrorMessage(EIO)), QString::fromUtf8(std::strerror(EIO)));

        // Real failures of the safe writer: a folder where the file goes, a file where its folder goes.
        zeku::test::TempDir dir;
        std::filesystem::create_directory(dir.path() / "folder.dat");
        std::ofstream(dir.path() / "file") << "x";
        ScriptedMessageBoxService boxes;
        GuiErrorReporter reporter;
        ErrorReporter& previous = errorReporter();
        setErrorReporter(&reporter);
        for (const char* target : {"folder.dat", "file/inside.dat"}) {
            SafeTextWriter writer(dir.path() / target);
            writer.write("a\n");
            QVERIFY(!writer.commit());
        }
        setErrorReporter(&previous);
        QCOMPARE(boxes.shown().size(), std::size_t(2));
        QVERIFY2(boxes.shown()[0].text.endsWith(QStringLiteral("ファイルの名前でフォルダがあります。")),
                 qPrintable(boxes.shown()[0].text));
        QVERIFY2(boxes.shown()[1].text.endsWith(QStringLiteral("フォルダの名前でファイルがあります。")),
                 qPrintable(boxes.shown()[1].text));
    }

    // Every message the core makes for files and the command line, made by the
    // core itself, against the windows' wording of the same id and arguments:
    // equal in Japanese (the core's text is the reference), and in English free
    // of Japanese except the names and paths they carry.
    void coreMessagesAreWordedFromTheirIds()
    {
        struct Recorder final : ErrorReporter {
            std::vector<UserMessage> messages;
            void reportFileError(const std::string&, const std::string&) override {}
            void reportErrorMessage(const std::string&) override {}
            void reportFileMessage(const std::string&, const UserMessage& m) override { messages.push_back(m); }
            void reportMessage(const UserMessage& m) override { messages.push_back(m); }
        } recorder;
        zeku::test::TempDir dir;
        ErrorReporter& previous = errorReporter();
        setErrorReporter(&recorder);
        reportDamagedFile("a.dat", 1);
        reportDamagedFile("a.dat", 0);
        FavoriteSet favorite;
        favorite.missingNames = {utf8ToCp932Lossy("鉄頭"), utf8ToCp932Lossy("攻撃珠")};
        reportMissingItems(favorite);
        StoredSearch search;
        reportMissingItems(search, 3);
        search.missingItems = {utf8ToCp932Lossy("鉄頭")};
        reportMissingItems(search, 0);
        reportMissingItems(search, 1);
        reportOutOfMemory();
        reportTooManyItemKinds();
        // The folder lock: a symbolic link, a FIFO, a folder that is not there.
        for (const char* name : {"link", "fifo"})
            std::filesystem::create_directory(dir.path() / name);
        std::filesystem::create_symlink(dir.path() / "elsewhere", dir.path() / "link" / kFolderLockName);
        QCOMPARE(::mkfifo((dir.path() / "fifo" / kFolderLockName).c_str(), 0600), 0);
        for (const char* name : {"link", "fifo", "absent"})
            QVERIFY(!FolderLock(dir.path() / name).reportRefusal());
        // Entries of an index that are not opened, and a favourite that moved.
        const UserFolder folder(dir.path() / "user");
        std::filesystem::create_directories(folder.historyFolder() / "dir.dat");
        SavedFileIndex index = SavedFileIndex::forHistory(folder);
        index.append("out", "", "user\\..\\..\\外.dat");
        index.append("dir", "", "user\\SearchHistory\\dir.dat");
        QVERIFY(index.save());
        QVERIFY(!openableEntryFile(index, 0) && !openableEntryFile(index, 1));
        QVERIFY(!overwriteFavorite(folder, 0, "user\\Favorite\\x.dat", 0, 0, EquipSet(), "t", ""));
        // An index a save must update that does not read: a dangling link.
        SavedFileIndex unreadable = SavedFileIndex::forHistory(UserFolder(dir.path() / "other"));
        std::filesystem::create_directories(unreadable.indexFile().parent_path());
        std::filesystem::create_symlink(dir.path() / "nowhere", unreadable.indexFile());
        QVERIFY(!unreadable.loadForUpdate());
        // Failures of the system, carried as their errno.
        recorder.messages.push_back(systemErrorMessage(EIO));
        recorder.messages.push_back(systemErrorMessage(ENOSPC));
        setErrorReporter(&previous);
        // Refusals of what a line cannot hold.
        for (const auto& [title, comment] : std::vector<std::pair<std::string, std::string>>{
                 {"a,b", ""}, {"a\tb", ""}, {" a", ""}, {"a", "b "}, {"a=b", ""}, {"#a", ""}, {"Version", ""}})
            recorder.messages.push_back(indexTextRefusal(title, comment).value());
        recorder.messages.push_back(unstorableItemMessage(sj("鉄,頭")));
        for (MasterFailure failure : {MasterFailure::Skills, MasterFailure::Equipment, MasterFailure::Jewels})
            recorder.messages.push_back(MasterLoadResult{failure, {}}.userMessage());

        // Causes the windows word themselves, not the core's English text.
        const std::map<MessageId, QString> ownJapanese = {
            {MessageId::SystemError, QStringLiteral("ディスクの空き容量が足りません。")},
            {MessageId::UnreadableIndex, QStringLiteral("一覧ファイル (index.dat) を読み込めません。")}};
        std::set<MessageId> seen;
        for (const UserMessage& m : recorder.messages) {
            seen.insert(m.id);
            const bool knownErrno = m.id == MessageId::SystemError && m.args[0] == std::to_string(ENOSPC);
            const bool ownWords = knownErrno || m.id == MessageId::UnreadableIndex;
            QCOMPARE(coreMessageText(m), ownWords ? ownJapanese.at(m.id) : QString::fromStdString(m.text));
        }
        // Two ids the core words in English for every reader (the windows show
        // its text): none of its functions is cheap to drive into them here.
        seen.insert({MessageId::NoFreeFileName, MessageId::TextFormattingFailed});
        for (int id = 0; id <= static_cast<int>(kLastMessageId); ++id)
            QVERIFY2(seen.count(static_cast<MessageId>(id)), qPrintable(QString::number(id)));

        QVERIFY(applyLanguage(UiLanguage::English));
        for (const UserMessage& m : recorder.messages) {
            QString english = coreMessageText(m);
            QVERIFY(!english.isEmpty());
            // The data names and paths the message carries stay as they are.
            for (const std::string& arg : m.args)
                english.remove(QString::fromStdString(arg));
            for (QChar c : english)
                QVERIFY2(c.unicode() < 0x3000, qPrintable(english));
        }
        QCOMPARE(coreMessageText(recorder.messages[0]), QStringLiteral("Line 1 of the data is damaged."));
        QVERIFY(applyLanguage(UiLanguage::Japanese));
    }

    // A worker's report returns at once, while a box is on screen: the boxes
    // come one at a time in the order reported, on the UI thread, and what
    // the worker posts afterwards arrives once they have been dismissed.
    void workerReportsNeverWaitForTheirBoxes()
    {
        std::atomic<bool> workerDone{false};
        LingeringBoxes boxes(workerDone);
        GuiErrorReporter reporter;
        QObject receiver;
        int dismissedAtNotice = -1;
        QtNoticeSink sink(&receiver, [&](const Notice&) { dismissedAtNotice = boxes.dismissed; });
        std::thread worker([&] {
            reporter.reportErrorMessage("missing items");
            reporter.reportFileError("user/index.dat", "cannot write");
            sink.post(Notice{NoticeKind::FileOperation, 0, 0});
            workerDone = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(dismissedAtNotice >= 0, 20000);
        worker.join();
        QCOMPARE(boxes.workerDoneWhileUp, (std::vector<bool>{true, true}));
        QCOMPARE(boxes.mostOnScreen, 1);
        QCOMPARE(dismissedAtNotice, 2);
        QCOMPARE(boxes.threads, (std::vector<QThread*>{QThread::currentThread(), QThread::currentThread()}));
        QCOMPARE(boxes.requests[0].text, QStringLiteral("missing items"));
        QVERIFY(boxes.requests[1].text.contains(QStringLiteral("user/index.dat")));
    }
};

QTEST_MAIN(TestPlatformServices)
#include "PlatformServicesTest.moc"
