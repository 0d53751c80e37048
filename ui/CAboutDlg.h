#pragma once

#include <QDialog>

// The about box: the icon, the program's name and version, and the maker's notice.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
