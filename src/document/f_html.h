#pragma once

#include "core/insertion.h"
#include "document/document_file.h"
#include "document/recovery_copy.h"
#include "tags/user_tag_commands.h"

#include <QWidget>
#include <functional>

class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
class QTabWidget;
class TFindDialog;
class TReplaceDialog;
class TSRichEdit;
class RecoveryWriter;
enum class TagHandler;

// The document window: edits one HTML file as plain text.
class THTML : public QWidget, public TextInsertion {
    Q_OBJECT

public:
    explicit THTML(QWidget *parent = nullptr);

    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &Name);

    // Both raise CommandError when the settings or the file cannot be read.
    void NewDocument(bool SkipSkeleton);
    void LoadDocument();

    // Sets the window up with the text of a recovery copy, modified, titled with its file; the
    // window takes the copy file at copyPath over as its own.
    void RecoverDocument(const RecoveryCopy &copy, const QString &copyPath);
    // Writes the recovery copy now, for a session that ends without asking.
    void keepRecoveryCopy();
    RecoveryWriter *recoveryWriter() const { return m_recovery; }

    // Writes the text to path in the document's file format; raises CommandError on failure.
    void WriteFile(const QString &path);
    const FileFormat &fileFormat() const { return m_format; }

    void PosChange();
    QString statusText(int panel) const;

    // Saves the window's text as the frame does (Save, or Save as for an untitled one); true when
    // the text was written. The frame sets it when it creates the window.
    using SaveHandler = std::function<bool(THTML &)>;
    void setSaveHandler(SaveHandler save) { m_save = std::move(save); }

    // The close question; true when the window may close.
    bool FormCloseQuery();
    // The frame has already asked: close without asking again.
    void approveClose();

    bool isModified() const;
    void setModified(bool modified);

    // Find and replace through the window's own modeless dialogs.
    void sbSearchClick();
    void sbReplaceClick();
    void Find(TFindDialog *Sender);
    void FindNext();
    void Replace();
    TFindDialog *FindDialog1;
    TReplaceDialog *ReplaceDialog1;

    // The edit buttons of Panel4.
    void sbIndentClick();
    void sbUnIndentClick();
    void sbCutClick();
    void sbCopyClick();
    void sbPasteClick();
    void sbUndoClick();

    void InsertLine(const QString &Text) override;
    void AppendLine(const QString &Text) override;
    void InsertAtCaret(const QString &Text, bool UseOffset, int Offset) override;
    int LineCount() const override;
    void ClearText() override;
    void OneStep(const std::function<void()> &edits) override;

    // The User-Tags page: captions and hints from the stored tags, on creation and every resize.
    void FormCreate();
    void sbUserClick(int Tag);
    UserTagButtons sbUser{};

    // The catalogue entry's snippet at the caret.
    void InsComponent(const QString &name);

    // The tag-page buttons' handlers; each runs the row of the clicked button it owns.
    void sbDocStrucClick(QObject *Sender);
    void sbDocFontClick(QObject *Sender);
    void sbTableRowClick(QObject *Sender);
    void sbTableDataClick(QObject *Sender);
    void sbOrderedListClick(QObject *Sender);
    void sbUnOrderedListClick(QObject *Sender);
    void sbListItemClick(QObject *Sender);
    void sbMenuListClick(QObject *Sender);
    void sbDirectoryListClick(QObject *Sender);

    // The tag dialogs' commands.
    void sbHeadingClick();
    void sbImgGalleryClick();
    void sbAnchorClick();
    void sbImageClick();
    void sbQuickDocClick();
    void sbQuickFontClick();
    void sbPartyClick();
    void sbColorMixerClick();
    // The "Forms" page: QuickForm, the form header and the field dialogs.
    void sbQuickFormClick();
    void sbFormClick();
    void sbTextAreaClick();
    void sbHiddenTextClick();
    void sbTextBoxClick();
    void sbCheckBoxClick();
    void sbRadioButtonClick();
    void sbDropDownClick();
    void sbSubmitClick();
    void sbResetClick();
    void sbTableEditorClick();
    void sbTableClick();
    void sbTableCaptionClick();
    void sbFrameSetClick();
    void sbFrameClick();
    void sbNoFramesClick();

    // Shows the document in the browser.
    void sbPreviewClick();

    // The component catalogue, whose entries are dragged into the text.
    void sbComponentsClick();

private:
    void bindTagButtons();
    void addPopupItems();
    // A tag dialog's command on this window, its errors reported.
    void runDialog(void (*command)(TextInsertion &target, QWidget *parent));
    // The row of handler whose button is Sender, its errors reported.
    void runTagButton(TagHandler handler, QObject *Sender);

public:
    QFrame *Panel1;
    QFrame *Panel4;
    QTabWidget *PageControl1;
    TSRichEdit *RichEdit;
    QStatusBar *StatusBar1;
    QMenu *pmHTML;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildPanel();
    void buildStatusBar();
    void buildPopupMenu();
    void maximize();
    void applyEditorLook(const struct SettingsFields &settings);
    void finishSetup();
    // What every way a document comes in shares, around fillText, which puts the text in.
    void setUpDocument(const std::function<void(const SettingsFields &)> &fillText);

    QString m_fileName;
    FileFormat m_format;
    FileStamp m_disk; // the file as last loaded or saved
    RecoveryWriter *m_recovery;
    QLabel *m_panels[4] = {};
    bool m_closeApproved = false;
    SaveHandler m_save;
};
