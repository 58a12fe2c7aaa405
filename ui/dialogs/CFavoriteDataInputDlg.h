#pragma once
// Asks for the title and comment under which a set or a search result is
// saved. Both end up in comma-separated user files, so commas are refused, and
// so is any character the CP932 files cannot hold.

#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class CFavoriteDataInputDlg;
}

namespace zeku {

class CFavoriteDataInputDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFavoriteDataInputDlg(QWidget* parent = nullptr);
    ~CFavoriteDataInputDlg() override;

    // The window caption; empty keeps "お気に入り装備登録". Set before running.
    void setCaption(const QString& caption);
    // The texts put into the fields before running (CP932).
    void setTitle(const std::string& title);
    void setComment(const std::string& comment);
    // The texts after OK (CP932).
    const std::string& title() const { return m_title; }
    const std::string& comment() const { return m_comment; }

public Q_SLOTS:
    // Checks the fields and ends with OK only when both can be stored.
    void accept() override;

private:
    std::unique_ptr<Ui::CFavoriteDataInputDlg> m_ui;
    std::string m_title;
    std::string m_comment;
};

} // namespace zeku
