// The about box: the program's name under the corner of a three of diamonds.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TfrmAPropos : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAPropos(QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *ProductName;
    QPushButton *OKButton;

protected:
    void showEvent(QShowEvent *e) override;
};
