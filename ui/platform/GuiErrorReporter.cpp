#include "ui/platform/GuiErrorReporter.h"

#include "ui/platform/CoreMessageText.h"
#include "ui/platform/MessageBoxService.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace zeku {

namespace {

// The messages workers reported, numbered in the order reported; a worker's
// later calls wait (on the UI thread, never in the worker) for the number of
// its last message to be dismissed.
struct ReportOrder {
    std::mutex mutex;
    uint64_t reported = 0; // guarded
    std::map<std::thread::id, uint64_t> lastOfThread; // guarded
    std::atomic<uint64_t> dismissed{0}; // written on the UI thread only

    // UI thread only: the boxes not yet shown, whether one is on screen, and
    // the calls held back for a message.
    struct Held {
        uint64_t after;
        QPointer<QObject> receiver;
        std::function<void()> call;
    };
    std::deque<std::function<void()>> boxes;
    bool showing = false;
    std::vector<Held> held;
};

ReportOrder& order()
{
    static ReportOrder instance;
    return instance;
}

// The number of the calling thread's last message still on screen or
// waiting, or 0.
uint64_t lastReportOfThisThread()
{
    ReportOrder& o = order();
    std::lock_guard<std::mutex> lock(o.mutex);
    const auto last = o.lastOfThread.find(std::this_thread::get_id());
    if (last == o.lastOfThread.end())
        return 0;
    if (last->second <= o.dismissed.load()) {
        o.lastOfThread.erase(last);
        return 0;
    }
    return last->second;
}

// UI thread: shows the waiting boxes one after another; a box reported while
// one is on screen waits for it to be dismissed.
void showWaitingBoxes()
{
    ReportOrder& o = order();
    if (o.showing)
        return;
    o.showing = true;
    while (!o.boxes.empty()) {
        const std::function<void()> show = std::move(o.boxes.front());
        o.boxes.pop_front();
        show();
        const uint64_t dismissed = o.dismissed.fetch_add(1) + 1;
        // The calls that waited for this box, in the order they came.
        std::vector<ReportOrder::Held> due;
        for (auto h = o.held.begin(); h != o.held.end();)
            if (h->after <= dismissed) {
                due.push_back(std::move(*h));
                h = o.held.erase(h);
            } else {
                ++h;
            }
        for (ReportOrder::Held& h : due)
            if (h.receiver)
                h.call();
    }
    o.showing = false;
}

} // namespace

GuiErrorReporter::GuiErrorReporter(QObject* parent) : QObject(parent)
{
}

void GuiErrorReporter::showError(const QString& text)
{
    if (QThread::currentThread() == thread()) {
        showMessage(m_dialogParent, text, MessageIcon::Error);
        return;
    }
    ReportOrder& o = order();
    const QPointer<GuiErrorReporter> self(this);
    // Numbered and queued under one lock, so that the boxes come in number order.
    std::lock_guard<std::mutex> lock(o.mutex);
    o.lastOfThread[std::this_thread::get_id()] = ++o.reported;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, text] {
            order().boxes.push_back(
                [self, text] { showMessage(self ? self->m_dialogParent : nullptr, text, MessageIcon::Error); });
            showWaitingBoxes();
        },
        Qt::QueuedConnection);
}

void GuiErrorReporter::postAfterReports(QObject* receiver, std::function<void()> call)
{
    const uint64_t after = lastReportOfThisThread();
    QMetaObject::invokeMethod(
        receiver,
        [receiver, after, call = std::move(call)] {
            ReportOrder& o = order();
            if (after <= o.dismissed.load())
                call();
            else
                o.held.push_back(ReportOrder::Held{after, receiver, call});
        },
        Qt::QueuedConnection);
}

void GuiErrorReporter::reportFileError(const std::string& fileName, const std::string& cause)
{
    showError(fileErrorText(QString::fromStdString(fileName), QString::fromStdString(cause)));
}

void GuiErrorReporter::reportErrorMessage(const std::string& message)
{
    showError(QString::fromStdString(message));
}

void GuiErrorReporter::reportFileMessage(const std::string& fileName, const UserMessage& cause)
{
    showError(fileErrorText(QString::fromStdString(fileName), coreMessageText(cause)));
}

void GuiErrorReporter::reportMessage(const UserMessage& message)
{
    showError(coreMessageText(message));
}

QString GuiErrorReporter::fileErrorText(const QString& fileName, const QString& cause)
{
    return QCoreApplication::translate("zeku::GuiErrorReporter", "ファイル %1 を処理できませんでした。\n%2")
        .arg(fileName, cause);
}

} // namespace zeku
