#pragma once
// The small modeless notice "処理中" that the main window shows while a file
// operation runs in the background: a caption and two lines of text. While it
// is up its owner is disabled, so that nothing else rewrites the files the
// operation works on; it cannot be dismissed, only destroyed when the work ends.

#include <QDialog>

#include <memory>

namespace Ui {
class CMessageDlg;
}

namespace zeku {

class CMessageDlg : public QDialog {
    Q_OBJECT

public:
    explicit CMessageDlg(QWidget* owner = nullptr);
    // Enables the owner again and brings it to the front.
    ~CMessageDlg() override;

    // Sets the caption and the two lines, disables the owner, then shows the
    // window centred over it.
    void showMessage(const QString& caption, const QString& line1, const QString& line2);

    QString line1() const;
    QString line2() const;

public Q_SLOTS:
    // Esc: the notice stays until the operation ends.
    void reject() override {}

protected:
    // The close box: likewise.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::CMessageDlg> m_ui;
};

} // namespace zeku
