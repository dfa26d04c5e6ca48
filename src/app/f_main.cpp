#include "app/f_main.h"

#include "app/file_commands.h"
#include "app/printing.h"
#include "auxiliary/f_about.h"
#include "auxiliary/f_ftp.h"
#include "controls/glyphs.h"
#include "controls/run_guarded.h"
#include "controls/toolbar_button.h"
#include "document/f_html.h"
#include "document/f_recover.h"
#include "settings/f_prefs.h"
#include "tags/user_tag_commands.h"
#include "wizard/homepage_commands.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QScreen>
#include <QSessionManager>
#include <QToolBar>

namespace {

using Command = std::function<void(TMain &)>;

// A command's tool-bar button; it shows the command's own action, so the menu item and the
// button share one shortcut and one enabled state.
struct SpeedButton {
    const char *name; // nullptr: the command has no button
    int left;
    Glyph glyph;
    const char *hint;
};

struct MenuItem {
    const char *name;
    const char *caption; // "-" for a separator
    QKeySequence shortcut;
    Command handler; // none: its window arrives with later work, so the item is disabled
    SpeedButton button{};
};

struct Menu {
    const char *name;
    const char *caption;
    std::vector<MenuItem> items;
};

void addSpeedButton(QWidget *panel, QAction *action, const SpeedButton &face)
{
    bindToAction(createPictureButton(panel, face.name, QRect(face.left, 0, 49, 41),
                                     QString::fromUtf8(face.hint), face.glyph, 28),
                 action);
}

} // namespace

TMain::TMain(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_area(new QMdiArea(this)), m_printing(this), m_arguments(arguments)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Pagewick"));
    setWindowIcon(glyphIcon(Glyph::AppIcon));
    m_area->setObjectName(QStringLiteral("MDIArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    OpenDialog1 = createOpenDialog(this);
    SaveDialog1 = createSaveDialog(this);
    buildMenus(buildSpeedPanel());
    // Nobody can be asked when the session ends; the copies keep what was not saved.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TMain::keepRecoveryCopies);

    resize(800, 600);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMain::buildMenus(QWidget *speedPanel)
{
    const Command none;
    const std::vector<Menu> menus = {
        {"miFile",
         "&File",
         {{"miNew",
           "&New",
           QKeySequence(Qt::CTRL | Qt::Key_N),
           &TMain::sbNewClick,
           {"ebNew", 0, Glyph::New, "Create a new HTML-file"}},
          {"miOpen",
           "&Open...",
           QKeySequence(Qt::CTRL | Qt::Key_O),
           &TMain::sbOpenClick,
           {"ebOpen", 48, Glyph::Open, "Open a HTML file"}},
          {"N1", "-", {}, none},
          {"miSave",
           "&Save",
           QKeySequence(Qt::CTRL | Qt::Key_S),
           &TMain::sbSaveClick,
           {"ebSave", 96, Glyph::Save, "Save the current file"}},
          {"miSaveAS", "Save &as...", {}, &TMain::miSaveAsClick},
          {"N2", "-", {}, none},
          {"miPrinterSetup", "P&rinter setup...", {}, &TMain::miPrinterSetupClick},
          {"miPrint",
           "&Print...",
           QKeySequence(Qt::CTRL | Qt::Key_P),
           &TMain::sbPrintClick,
           {"ebPrint", 152, Glyph::Print, "Print the current file"}},
          {"miPreview",
           "Pre&view in browser",
           QKeySequence(Qt::Key_F9),
           &TMain::miPreviewClick,
           {"ebPreview", 200, Glyph::Preview, "Show the current file in the browser"}},
          {"N3", "-", {}, none},
          {"miExit",
           "E&xit",
           {},
           &TMain::sbExitClick,
           {"ebExit", 256, Glyph::Exit, "Exit the program"}}}},
        {"miEdit",
         "&Edit",
         {{"miFind", "F&ind...", {}, &TMain::miFindClick},
          {"miFindNext", "Find &next", QKeySequence(Qt::Key_F3), &TMain::miFindNextClick},
          {"N4", "-", {}, none},
          {"miReplace", "&Replace...", {}, &TMain::miReplaceClick}}},
        {"miTools",
         "&Tools",
         {{"miHPWiz", "&Homepage Wizard", {}, &TMain::miHPWizClick},
          {"N6", "-", {}, none},
          {"miUserTags", "User-&Tags", {}, &TMain::miUserTagsClick},
          {"miFTP", "&Upload files...", {}, &TMain::miFTPClick}}},
        {"Options1", "&Options", {{"miPrefs", "&Preferences...", {}, &TMain::miPrefsClick}}},
        {"miHelp", "&Help", {{"miAbout", "&About...", {}, &TMain::miAboutClick}}},
    };
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (const Menu &menu : menus) {
        QMenu *drop = menuBar()->addMenu(QString::fromUtf8(menu.caption));
        drop->setObjectName(QLatin1String(menu.name));
        for (const MenuItem &item : menu.items) {
            const bool separator = qstrcmp(item.caption, "-") == 0;
            QAction *action =
                separator ? drop->addSeparator() : drop->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QLatin1String(item.name));
            action->setShortcut(item.shortcut);
            action->setEnabled(separator || bool(item.handler));
            if (item.handler) {
                connect(action, &QAction::triggered, this, [this, handler = item.handler] {
                    runGuarded(this, [&] { handler(*this); });
                });
            }
            if (item.button.name)
                addSpeedButton(speedPanel, action, item.button);
        }
    }
}

QWidget *TMain::buildSpeedPanel()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("SpeedBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    bar->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));
    bar->setContextMenuPolicy(Qt::PreventContextMenu);

    auto *panel = new QWidget(bar);
    panel->setObjectName(QStringLiteral("SpeedPanel"));
    panel->setFixedHeight(41);
    panel->setMinimumWidth(305);
    panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setScaledContents(true);
    image->setPixmap(toolbarBackground(800, 41));
    image->setGeometry(0, 0, 4000, 41);
    bar->addWidget(panel);
    addToolBar(Qt::TopToolBarArea, bar);
    return panel;
}

THTML *TMain::activeDocument() const
{
    QMdiSubWindow *active = m_area->activeSubWindow();
    // The frame itself may not be active (a dialog is up); the topmost child still counts.
    const QList<QMdiSubWindow *> stacked = m_area->subWindowList(QMdiArea::StackingOrder);
    if (!active && !stacked.isEmpty())
        active = stacked.last();
    return active ? qobject_cast<THTML *>(active->widget()) : nullptr;
}

QList<THTML *> TMain::documents() const
{
    QList<THTML *> result;
    for (QMdiSubWindow *window : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *document = qobject_cast<THTML *>(window->widget()))
            result.append(document);
    }
    return result;
}

void TMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMain::FormShow()
{
    offerRecovery();
    runGuarded(this, [this] {
        const SettingsFields settings = readSettings();
        if (settings.AppMaxi)
            setWindowState(windowState() | Qt::WindowMaximized);
        if (settings.NewDoc)
            sbNewClick();
    });
    const QString first = m_arguments.value(0);
    if (!first.isEmpty() && first.contains(QLatin1String(".htm")))
        runGuarded(this, [&] { openDocument(first); });
}

void TMain::offerRecovery()
{
    if (RecoveryStore *store = RecoveryStore::current()) {
        ::offerRecovery(
            *store,
            [this](const LeftCopy &copy) {
                return recoveredDocumentWindow(*m_area, copy, saveHandler()) != nullptr;
            },
            this);
    }
}

void TMain::keepRecoveryCopies()
{
    for (THTML *document : documents())
        document->keepRecoveryCopy();
}

THTML *TMain::sbNewClick()
{
    return newDocumentWindow(*m_area, saveHandler());
}

THTML *TMain::openDocument(const QString &path)
{
    return openDocumentWindow(*m_area, path, saveHandler());
}

THTML::SaveHandler TMain::saveHandler()
{
    return [this](THTML &document) { return saveDocument(document, *SaveDialog1); };
}

void TMain::sbOpenClick()
{
    if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
        return;
    const QString path = OpenDialog1->selectedFiles().constFirst();
    OpenDialog1->selectFile(path);
    openDocument(path);
}

void TMain::sbSaveClick()
{
    if (THTML *document = activeDocument())
        saveDocument(*document, *SaveDialog1);
}

void TMain::miSaveAsClick()
{
    if (THTML *document = activeDocument())
        saveDocumentAs(*document, *SaveDialog1);
}

void TMain::sbExitClick()
{
    close();
}

void TMain::sbPrintClick()
{
    if (THTML *document = activeDocument())
        printDocument(document, m_printing.printDialog());
}

void TMain::miPrinterSetupClick()
{
    m_printing.setupDialog().exec();
}

void TMain::miPreviewClick()
{
    if (THTML *document = activeDocument())
        document->sbPreviewClick();
}

void TMain::miFindClick()
{
    if (THTML *document = activeDocument())
        document->sbSearchClick();
}

void TMain::miFindNextClick()
{
    if (THTML *document = activeDocument())
        document->FindNext();
}

void TMain::miReplaceClick()
{
    if (THTML *document = activeDocument())
        document->sbReplaceClick();
}

void TMain::miPrefsClick()
{
    // Nothing to apply: every later command reads the settings afresh.
    TPrefs prefs;
    prefs.ShowModal();
}

void TMain::miUserTagsClick()
{
    runUserTagManager(this);
}

void TMain::miHPWizClick()
{
    runHomepageWizard(this, [this] { return newDocumentWindow(*m_area, saveHandler(), true); });
}

void TMain::miFTPClick()
{
    TUploadFTP upload(this);
    upload.ShowModal();
}

void TMain::miAboutClick()
{
    TAbout about(this);
    about.exec();
}

void TMain::closeEvent(QCloseEvent *event)
{
    // Ask every window first; one Cancel keeps them all, including those already asked.
    const QList<THTML *> open = documents();
    for (THTML *document : open) {
        if (!document->FormCloseQuery()) {
            event->ignore();
            return;
        }
    }
    for (THTML *document : open)
        document->approveClose();
    event->accept();
}
