#pragma once
// The version window "バージョン情報": the application title, the version text,
// the master-data and user folders in use and the language the windows speak.

#include "platform/DataFolders.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace zeku {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const DataFolders& folders, QWidget* parent = nullptr);
    ~CAboutDlg() override;

private:
    std::unique_ptr<Ui::CAboutDlg> m_ui;
};

} // namespace zeku
