#pragma once

#include "app/printing.h"
#include "document/f_html.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class QFileDialog;
class QMdiArea;
class QPageSetupDialog;
class QPrintDialog;
class QPrinter;

// The frame: menus, the file tool bar and the document windows.
class TMain : public QMainWindow {
    Q_OBJECT

public:
    // arguments: the command line after the program name.
    explicit TMain(const QStringList &arguments = {}, QWidget *parent = nullptr);

    THTML *activeDocument() const;
    QList<THTML *> documents() const;
    QMdiArea *mdiArea() const { return m_area; }

    // Settings-driven start-up; runs once, when the frame is first shown.
    void FormShow();

    THTML *sbNewClick();
    void sbOpenClick();
    void sbSaveClick();
    void miSaveAsClick();
    void sbExitClick();
    void miPrefsClick();
    void miUserTagsClick();
    // The homepage wizard, then its page in a new untitled document.
    void miHPWizClick();

    // Offers the copies of documents an earlier run left unsaved.
    void offerRecovery();
    // The session ends: every unsaved document keeps its recovery copy.
    void keepRecoveryCopies();
    void miFTPClick();
    void miAboutClick();

    // Opens path in a new document window; nullptr when it could not be read.
    THTML *openDocument(const QString &path);

    QFileDialog *OpenDialog1;
    QFileDialog *SaveDialog1;

    // Printing, on the frame's printer, which both dialogs set up.
    void sbPrintClick();
    void miPrinterSetupClick();
    // The active document in the browser.
    void miPreviewClick();
    QPrinter *printer() { return &m_printing.printer(); }
    QPrintDialog *PrintDialog1() { return &m_printing.printDialog(); }
    QPageSetupDialog *PrinterSetupDialog1() { return &m_printing.setupDialog(); }

    // The Edit menu acts on the active document.
    void miFindClick();
    void miFindNextClick();
    void miReplaceClick();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    THTML::SaveHandler saveHandler();
    // The menus, and the tool-bar buttons of their commands on speedPanel.
    void buildMenus(QWidget *speedPanel);
    QWidget *buildSpeedPanel();

    QMdiArea *m_area;
    FramePrinting m_printing;
    QStringList m_arguments;
    bool m_shown = false;
};
