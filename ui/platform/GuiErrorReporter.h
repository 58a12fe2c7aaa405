#pragma once
// Shows the core's file errors and modal error messages as message boxes on
// the UI thread. A worker that reports waits until the user has dismissed the
// box, so what it posts afterwards (its completion notice) comes after it.

#include "platform/ErrorReport.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

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

private:
    // Runs `show` on the UI thread: directly there, else blocking the caller.
    template <typename Show>
    void runOnUiThread(Show show);

    QPointer<QWidget> m_dialogParent;
};

} // namespace zeku
