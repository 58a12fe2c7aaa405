#pragma once
// Every message box of the program goes through one service, so that each
// carries the application's caption and tests can answer them from a script.

#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace zeku {

enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// One message as it is put on screen.
struct MessageRequest {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;

    // Shows `text` modally under the application's caption; returns the button pressed.
    MessageAnswer show(QWidget* parent, const QString& text, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok);
    // The same under a caption of its own, for the few confirmations that name themselves.
    MessageAnswer showWithCaption(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
                                  MessageButtons buttons);

    // The caption every message box carries.
    static QString caption();

protected:
    virtual MessageAnswer present(QWidget* parent, const MessageRequest& request) = 0;
};

// The real boxes: QMessageBox, first button as the default.
class QtMessageBoxService final : public MessageBoxService {
protected:
    MessageAnswer present(QWidget* parent, const MessageRequest& request) override;
};

// For tests: records every request and answers from a queue. With the queue
// empty it answers with the first button (Ok or Yes), as Enter would. It
// installs itself as the service for its lifetime.
class ScriptedMessageBoxService final : public MessageBoxService {
public:
    ScriptedMessageBoxService();
    ~ScriptedMessageBoxService() override;
    ScriptedMessageBoxService(const ScriptedMessageBoxService&) = delete;
    ScriptedMessageBoxService& operator=(const ScriptedMessageBoxService&) = delete;

    // The answer to give to the next message.
    void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    // Every message shown so far, in order.
    const std::vector<MessageRequest>& shown() const { return m_shown; }

protected:
    MessageAnswer present(QWidget* parent, const MessageRequest& request) override;

private:
    MessageBoxService* m_previous;
    std::deque<MessageAnswer> m_answers;
    std::vector<MessageRequest> m_shown;
};

// The service in force; never null (the QMessageBox one by default).
MessageBoxService& messageBoxService();
// Installs `service` (nullptr restores the QMessageBox one). UI thread only.
void setMessageBoxService(MessageBoxService* service);

// Shorthand for messageBoxService().show(…).
inline MessageAnswer showMessage(QWidget* parent, const QString& text, MessageIcon icon,
                                 MessageButtons buttons = MessageButtons::Ok)
{
    return messageBoxService().show(parent, text, icon, buttons);
}

} // namespace zeku
