#pragma once
// The version window "バージョン情報": the application title and version text.

#include <QDialog>

#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace zeku {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

private:
    std::unique_ptr<Ui::CAboutDlg> m_ui;
};

} // namespace zeku
