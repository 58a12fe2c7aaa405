#pragma once
// The small modeless notice "処理中" that the main window shows while a file
// operation runs in the background: a caption and two lines of text.

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
    ~CMessageDlg() override;

    // Sets the caption and the two lines, then shows the window over its owner
    // without taking the input away from other windows.
    void showMessage(const QString& caption, const QString& line1, const QString& line2);

    QString line1() const;
    QString line2() const;

private:
    std::unique_ptr<Ui::CMessageDlg> m_ui;
};

} // namespace zeku
