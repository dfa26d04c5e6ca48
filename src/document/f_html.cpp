#include "document/f_html.h"

#include "controls/busy_progress.h"
#include "controls/glyphs.h"
#include "controls/message_box.h"
#include "controls/run_guarded.h"
#include "controls/toolbar_button.h"
#include "core/command_error.h"
#include "document/edit_commands.h"
#include "document/file_names.h"
#include "document/find_commands.h"
#include "document/find_dialogs.h"
#include "document/recovery_store.h"
#include "document/recovery_writer.h"
#include "document/skeleton_markup.h"
#include "document/trecode.h"
#include "settings/settings_schema.h"
#include "tags/component_drag.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

struct EditButton {
    const char *name;
    int left, top;
    Glyph glyph;
    const char *hint;
    void (THTML::*handler)();
};

const EditButton EditButtons[] = {
    {"ebSearch", 3, 3, Glyph::Search, "Search", &THTML::sbSearchClick},
    {"ebReplace", 27, 3, Glyph::Replace, "Replace", &THTML::sbReplaceClick},
    {"ebIndent", 59, 3, Glyph::Indent, "Indent", &THTML::sbIndentClick},
    {"ebUnIndent", 83, 3, Glyph::UnIndent, "Unindent", &THTML::sbUnIndentClick},
    {"ebCopy", 3, 30, Glyph::Copy, "Copy", &THTML::sbCopyClick},
    {"ebCut", 27, 30, Glyph::Cut, "Cut", &THTML::sbCutClick},
    {"ebPase", 51, 30, Glyph::Paste, "Paste", &THTML::sbPasteClick},
    {"ebUndo", 80, 30, Glyph::Undo, "Undo", &THTML::sbUndoClick},
    {"ebComponents", 109, 30, Glyph::Components, "Components", &THTML::sbComponentsClick},
};

struct TagPage {
    const char *name;
    const char *caption;
};

const TagPage TagPages[] = {
    {"General", "General"},   {"tsFont", "Fonts"},         {"tsTables", "Tables"},
    {"tsForms", "Forms"},     {"tsLists", "Lists"},        {"tsFrames", "Frames"},
    {"tsSpecial", "Special"}, {"tsUserTags", "User-Tags"},
};

const int StatusWidths[] = {80, 80, 80, 50};

} // namespace

THTML::THTML(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HTML"));
    setWindowIcon(glyphIcon(Glyph::DocumentIcon));
    resize(646, 480);

    buildPanel();
    RichEdit = new TSRichEdit(this);
    RichEdit->setObjectName(QStringLiteral("RichEdit"));
    buildStatusBar();
    buildPopupMenu();
    bindTagButtons();
    sbUser = createUserTagButtons(PageControl1->findChild<QWidget *>(QStringLiteral("tsUserTags")),
                                  [this](int n) { sbUserClick(n); });
    FormCreate();
    acceptComponentDrops(RichEdit->viewport(), [this](const QString &name) {
        runGuarded(this, [&] { InsComponent(name); });
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(RichEdit, 1);
    layout->addWidget(StatusBar1);

    m_recovery = new RecoveryWriter(
        *RichEdit->document(), RecoveryStore::current(),
        [this] {
            const QString file = m_fileName == NoName ? QString() : m_fileName;
            return RecoveryCopy{file, m_format, {}, m_disk, {}};
        },
        this);
    connect(RichEdit, &QPlainTextEdit::textChanged, this, &THTML::PosChange);
    connect(RichEdit, &QPlainTextEdit::cursorPositionChanged, this, &THTML::PosChange);
    connect(RichEdit, &QPlainTextEdit::modificationChanged, this, &THTML::PosChange);
    FindDialog1 = new TFindDialog(this);
    ReplaceDialog1 = new TReplaceDialog(this);
    connect(FindDialog1, &TFindDialog::OnFind, this,
            [this] { runGuarded(this, [this] { Find(FindDialog1); }); });
    connect(ReplaceDialog1, &TFindDialog::OnFind, this,
            [this] { runGuarded(this, [this] { Find(ReplaceDialog1); }); });
    connect(ReplaceDialog1, &TReplaceDialog::OnReplace, this,
            [this] { runGuarded(this, [this] { Replace(); }); });
    PosChange();
}

void THTML::buildPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(73);

    Panel4 = new QFrame(Panel1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->setGeometry(8, 8, 137, 57);
    for (const EditButton &face : EditButtons) {
        auto *button = createPictureButton(Panel4, face.name, QRect(face.left, face.top, 25, 25),
                                           QLatin1String(face.hint), face.glyph, 18);
        connect(button, &QAbstractButton::clicked, this,
                [this, handler = face.handler] { runGuarded(this, [&] { (this->*handler)(); }); });
    }

    PageControl1 = new QTabWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(152, 8, 474, 57);
    PageControl1->setDocumentMode(false);
    PageControl1->setUsesScrollButtons(true);
    for (const TagPage &page : TagPages) {
        auto *tab = new QWidget;
        tab->setObjectName(QLatin1String(page.name));
        PageControl1->addTab(tab, QLatin1String(page.caption));
    }
    PageControl1->setCurrentIndex(0);
}

void THTML::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setFixedWidth(StatusWidths[i]);
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(m_panels[i]);
    }
}

void THTML::buildPopupMenu()
{
    pmHTML = new QMenu(this);
    pmHTML->setObjectName(QStringLiteral("pmHTML"));
    addPopupItems();
    RichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { pmHTML->popup(RichEdit->viewport()->mapToGlobal(at)); });
}

void THTML::SetFileName(const QString &Name)
{
    m_fileName = Name;
}

void THTML::maximize()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->showMaximized();
    else
        setWindowState(windowState() | Qt::WindowMaximized);
}

void THTML::applyEditorLook(const SettingsFields &settings)
{
    RichEdit->applyLook(settings.StdFont.left(255), effectiveFontSize(settings.StdFontSize),
                        settings.TextCol, settings.BGCol);
    RichEdit->setSyntaxColours(settings.SyntaxColouring
                                   ? std::optional(SyntaxColours{settings.Text, settings.Links,
                                                                 settings.Images, settings.Other})
                                   : std::nullopt);
}

void THTML::finishSetup()
{
    RichEdit->setFocus();
    RichEdit->document()->setModified(false);
    PosChange();
}

void THTML::setUpDocument(const std::function<void(const SettingsFields &)> &fillText)
{
    const SettingsFields prefs = readSettings();
    if (prefs.DocMaxi)
        maximize();
    // The look goes on before the text: a font change later would re-lay out every line.
    applyEditorLook(prefs);
    fillText(prefs);
    if (prefs.ShowComp)
        sbComponentsClick();
    finishSetup();
}

void THTML::NewDocument(bool SkipSkeleton)
{
    setUpDocument([&](const SettingsFields &prefs) {
        setWindowTitle(NoName);
        m_format = FileFormat();
        if (prefs.MinDoc && !SkipSkeleton) {
            const PageStamp now = regionalNow();
            AppendLines(skeletonLines(prefs.Author, prefs.EMail, now.date, now.time));
            // A fresh page has nothing to undo.
            RichEdit->document()->clearUndoRedoStacks();
        }
    });
}

void THTML::LoadDocument()
{
    setUpDocument([&](const SettingsFields &) {
        BusyProgress busy(this, QStringLiteral("Opening %1 ...").arg(m_fileName),
                          QFileInfo(m_fileName).size());
        const LoadResult loaded =
            RichEdit->loadFile(m_fileName, [&busy](qint64 done) { busy.advance(done); });
        if (!loaded.ok)
            throw CommandError(loaded.error);
        m_format = loaded.format;
        m_disk = fileStamp(m_fileName);
        setWindowTitle(m_fileName);
    });
    const QString notice = savingChangesNotice(m_fileName, m_format);
    if (!notice.isEmpty())
        ShowInformation(this, notice);
}

void THTML::RecoverDocument(const RecoveryCopy &copy, const QString &copyPath)
{
    setUpDocument([&](const SettingsFields &) {
        m_format = copy.format;
        m_disk = copy.disk;
        RichEdit->setPlainText(copy.text);
        setWindowTitle(m_fileName);
    });
    setModified(true);
    m_recovery->adopt(copyPath);
}

void THTML::keepRecoveryCopy()
{
    m_recovery->flush();
}

void THTML::WriteFile(const QString &path)
{
    const SaveResult saved = [&] {
        BusyProgress busy(this, QString(), 0);
        return RichEdit->saveFile(path, m_format);
    }();
    if (!saved.ok)
        throw CommandError(saved.error);
    m_format = saved.format;
    m_disk = fileStamp(path);
    if (saved.switchedToUtf8) {
        ShowInformation(this, QStringLiteral("\"%1\" holds characters that Windows-1252 cannot "
                                             "store, so it was saved as UTF-8.")
                                  .arg(path));
    }
}

void THTML::PosChange()
{
    m_panels[0]->setText(QStringLiteral("%1:%2").arg(RichEdit->Col()).arg(RichEdit->Row()));
    m_panels[1]->setText(isModified() ? QStringLiteral("modified...") : QString());
}

QString THTML::statusText(int panel) const
{
    return m_panels[panel]->text();
}

bool THTML::isModified() const
{
    return RichEdit->document()->isModified();
}

void THTML::setModified(bool modified)
{
    RichEdit->document()->setModified(modified);
    PosChange();
}

void THTML::sbSearchClick()
{
    showSearchDialog(*RichEdit, *FindDialog1);
}
void THTML::sbReplaceClick()
{
    showSearchDialog(*RichEdit, *ReplaceDialog1);
}
void THTML::Find(TFindDialog *Sender)
{
    findFromDialog(*RichEdit, *Sender, this);
}
void THTML::FindNext()
{
    Find(FindDialog1);
}
void THTML::Replace()
{
    replaceFromDialog(*RichEdit, *ReplaceDialog1, this);
}

void THTML::sbIndentClick()
{
    IndentLine(*RichEdit);
}
void THTML::sbUnIndentClick()
{
    UnIndentLine(*RichEdit);
}
void THTML::sbCutClick()
{
    RichEdit->cut();
}
void THTML::sbCopyClick()
{
    RichEdit->copy();
}
void THTML::sbPasteClick()
{
    RichEdit->paste();
}
void THTML::sbUndoClick()
{
    RichEdit->undo();
}

bool THTML::FormCloseQuery()
{
    if (!isModified())
        return true;
    const int answer = MessageDlg(this, windowTitle() + QStringLiteral(" is not yet saved! Save ?"),
                                  MessageType::Confirmation, mbYes | mbNo | mbCancel);
    if (answer == mrYes) {
        // Close only when the text is safe on disk.
        return m_save && m_save(*this);
    }
    return answer == mrNo;
}

void THTML::approveClose()
{
    m_closeApproved = true;
    // Still modified after the question: the user chose not to save.
    m_recovery->remove();
}

void THTML::closeEvent(QCloseEvent *event)
{
    if (m_closeApproved || FormCloseQuery()) {
        m_recovery->remove();
        event->accept();
    } else {
        event->ignore();
    }
}

void THTML::InsertLine(const QString &Text)
{
    RichEdit->editStep([&] { textlines::lineAboveCaret(*RichEdit, Text); });
}

void THTML::AppendLine(const QString &Text)
{
    RichEdit->editStep([&] { textlines::lineAtEnd(*RichEdit, Text); });
}

void THTML::InsertAtCaret(const QString &Text, bool UseOffset, int Offset)
{
    RichEdit->editStep([&] { textlines::spliceAtCaret(*RichEdit, Text, UseOffset, Offset); });
}

int THTML::LineCount() const
{
    return RichEdit->lineCount();
}

void THTML::ClearText()
{
    RichEdit->editStep([&] {
        QTextCursor all(RichEdit->document());
        all.select(QTextCursor::Document);
        all.removeSelectedText();
        RichEdit->setTextCursor(all);
    });
}

void THTML::OneStep(const std::function<void()> &edits)
{
    // Edit blocks nest: every operation the edits run joins this one step.
    RichEdit->editStep(edits);
}

void THTML::FormCreate()
{
    runGuarded(this, [this] { refreshUserTagButtons(sbUser); });
}

void THTML::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    try {
        refreshUserTagButtons(sbUser);
    } catch (const std::exception &) {
        // Already reported when the window was created; a box per resize step would make the
        // window impossible to size. The buttons keep what they show.
    }
}
