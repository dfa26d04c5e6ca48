#include "controls/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct ButtonFace {
    MessageButton button;
    const char *label;
    const char *objectName;
    QMessageBox::ButtonRole role;
    int result;
};

const ButtonFace Faces[] = {
    {mbYes, "&Ja", "Yes", QMessageBox::YesRole, mrYes},
    {mbNo, "&Nein", "No", QMessageBox::NoRole, mrNo},
    {mbOK, "OK", "OK", QMessageBox::AcceptRole, mrOk},
    {mbCancel, "Abbrechen", "Cancel", QMessageBox::RejectRole, mrCancel},
};

} // namespace

int MessageDlg(QWidget *parent, const QString &text, MessageType type, int buttons)
{
    static const struct {
        const char *title;
        QMessageBox::Icon icon;
    } looks[] = {{"Information", QMessageBox::Information},
                 {"Bestätigen", QMessageBox::Question},
                 {"Warnung", QMessageBox::Warning},
                 {"Fehler", QMessageBox::Critical}};
    const auto &look = looks[int(type)];

    QMessageBox box(look.icon, QString::fromUtf8(look.title), text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    QAbstractButton *escape = nullptr;
    for (const ButtonFace &face : Faces) {
        if (!(buttons & face.button))
            continue;
        QPushButton *button = box.addButton(QString::fromUtf8(face.label), face.role);
        button->setObjectName(QLatin1String(face.objectName));
        button->setProperty("modalResult", face.result);
        if (face.button == mbCancel || (face.button == mbOK && !(buttons & mbCancel)))
            escape = button;
    }
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? clicked->property("modalResult").toInt() : mrCancel;
}

void ShowInformation(QWidget *parent, const QString &text)
{
    MessageDlg(parent, text, MessageType::Information, mbOK);
}

void ShowError(QWidget *parent, const QString &text)
{
    MessageDlg(parent, text, MessageType::Error, mbOK);
}
