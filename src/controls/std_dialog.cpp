#include "controls/std_dialog.h"

#include "controls/message_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

void setUpFixedDialog(QDialog &dialog, const QString &objectName, const QString &caption)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
}

TStdDialog::TStdDialog(const QString &objectName, const QString &caption, QWidget *parent)
    : QDialog(parent)
{
    setUpFixedDialog(*this, objectName, caption);

    auto *outer = new QVBoxLayout(this);
    m_body = new QVBoxLayout;
    outer->addLayout(m_body);
    outer->addStretch(1);

    bbOK = new QPushButton(QStringLiteral("OK"), this);
    bbOK->setObjectName(QStringLiteral("bbOK"));
    bbOK->setDefault(true);
    bbCancel = new QPushButton(QStringLiteral("Cancel"), this);
    bbCancel->setObjectName(QStringLiteral("bbCancel"));
    bbOK->setAccessibleName(bbOK->text());
    bbCancel->setAccessibleName(bbCancel->text());
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    outer->addLayout(buttons);

    connect(bbOK, &QPushButton::clicked, this, [this] {
        if (bbOKClick())
            accept();
    });
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TStdDialog::ShowModal() { return exec() == QDialog::Accepted ? mrOk : mrCancel; }

void TStdDialog::showEvent(QShowEvent *event)
{
    setFixedSize(sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
