#pragma once
// Shows the core's file errors and modal error messages as message boxes on
// the UI thread. A worker that reports never waits: its message is queued and
// the boxes appear one at a time, in the order reported. What the worker
// posts afterwards through postAfterReports() (QtNoticeSink does, for every
// notice) reaches the UI thread only once its boxes have been dismissed, as
// if it had waited for them.

#include "platform/ErrorReport.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace zeku {

class GuiErrorReporter final : public QObject, public ErrorReporter {
    Q_OBJECT
public:
    // Create on the UI thread; its thread is where the boxes appear.
    explicit GuiErrorReporter(QObject* parent = nullptr);

    // The window the boxes are shown over (may be null). UI thread only.
    void setDialogParent(QWidget* parent) { m_dialogParent = parent; }

    // A text the caller worded: shown as it is.
    void reportFileError(const std::string& fileName, const std::string& cause) override;
    void reportErrorMessage(const std::string& message) override;
    // Worded from the message's id, in the windows' language.
    void reportFileMessage(const std::string& fileName, const UserMessage& cause) override;
    void reportMessage(const UserMessage& message) override;

    // The text of the file-error box; `cause` is already in the words shown.
    static QString fileErrorText(const QString& fileName, const QString& cause);

    // Runs `call` on `receiver`'s thread as a queued call, once every message
    // the calling thread reported before has been dismissed. Never waits; a
    // call for a receiver destroyed meanwhile is dropped.
    static void postAfterReports(QObject* receiver, std::function<void()> call);

private:
    // Shows `text` on the UI thread: directly there, else queued behind the
    // messages reported before it.
    void showError(const QString& text);

    QPointer<QWidget> m_dialogParent;
};

} // namespace zeku
