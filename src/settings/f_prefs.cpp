#include "settings/f_prefs.h"

#include "controls/choose_dialogs.h"
#include "controls/dialog_rows.h"
#include "controls/run_guarded.h"
#include "settings/color_label.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

using F = SettingsFields;

// The table row of a settings field: the one place that knows keys and value names.
template <typename T> const SettingEntry *setting(T SettingsFields::*field)
{
    for (const SettingEntry &entry : settingsTable()) {
        const auto *member = std::get_if<T SettingsFields::*>(&entry.field);
        if (member && *member == field)
            return &entry;
    }
    Q_UNREACHABLE();
}

// A tab page whose rows stack from the top.
DialogRows newPage(const char *name)
{
    auto *page = new QWidget;
    nameControl(page, name);
    DialogRows rows(page);
    page->setLayout(rows.layout());
    return rows;
}

const char DoubleClickNote[] = "(double-click to change)";

} // namespace

// One read of LoadSettings(false): which setting, and the control state it defaults to and fills.
struct TPrefs::ControlRead {
    const SettingEntry *entry;
    std::function<QVariant()> current;
    std::function<void(const QVariant &)> apply;
};

TPrefs::TPrefs(QWidget *parent)
    : TStdDialog(QStringLiteral("Prefs"), QStringLiteral("Preferences"), parent)
{
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(13);
    setFont(dialogFont);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildGeneralPage(), QStringLiteral("General"));
    PageControl1->addTab(buildEditorPage(), QStringLiteral("Editor"));
    PageControl1->addTab(buildMiscPage(), QStringLiteral("Misc"));
    PageControl1->addTab(buildNetscapePage(), QStringLiteral("Netscape"));
    PageControl1->addTab(buildFtpPage(), QStringLiteral("FTP"));
    body()->addWidget(PageControl1);

    // What the dialog shows, and saves, while the store holds nothing.
    for (const ControlRead &read : controlReads())
        read.apply(read.entry->dialogDefault());
}

QWidget *TPrefs::buildGeneralPage()
{
    DialogRows rows = newPage("tsGeneral");
    QWidget *result = rows.owner();
    DialogRows startup = rows.group(nullptr, QStringLiteral("Startup :"));
    cbSplash = startup.checkBox("cbSplash", QStringLiteral("Show &Splash-screen"));
    cbSplash->setEnabled(false);
    cbAppMaxi = startup.checkBox("cbAppMaxi", QStringLiteral("Start application &maximized"));
    cbNewDoc = startup.checkBox("cbNewDoc", QStringLiteral("Create &new HTML-document"));
    DialogRows documents = rows.group(nullptr, QStringLiteral("HTML - documents :"));
    cbDocMaxi = documents.checkBox("cbDocMaxi", QStringLiteral("Load document ma&ximized"));
    cbMinDoc = documents.checkBox("cbMinDoc",
                                  QStringLiteral("Create new HTML-document with minimal content"));
    cbShowComp =
        documents.checkBox("cbShowComp", QStringLiteral("Show &Components-list automatically"));
    rows.stretch();
    return result;
}

QWidget *TPrefs::buildEditorPage()
{
    DialogRows rows = newPage("tsEditor");
    QWidget *result = rows.owner();

    lbFontName = new ColorLabel(QStringLiteral("lbFontName"), QString(), result);
    lbFontName->setSampleLook();
    lbFontName->setMinimumHeight(36);
    lbFontName->setFont(QFont(QStringLiteral("Courier New"), 10));
    lbFontName->setBackColor(0xFFFFFF);
    connect(lbFontName, &ColorLabel::doubleClicked, this, &TPrefs::ChooseFontClick);
    DialogRows font = rows.group(nullptr, QStringLiteral("Font for normal text :"));
    font.wide(new QLabel(QString::fromUtf8(DoubleClickNote), result));
    font.wide(lbFontName);

    lbTextCol = new ColorLabel(QStringLiteral("lbTextCol"), QStringLiteral("Text color"), result);
    lbBGCol = new ColorLabel(QStringLiteral("lbBGCol"), QStringLiteral("Background color"), result);
    DialogRows editorColors = rows.group(nullptr, QStringLiteral("Text and background color :"));
    int column = 0;
    for (ColorLabel *sample : {lbTextCol, lbBGCol}) {
        sample->setSampleLook();
        sample->setMinimumHeight(28);
        connect(sample, &ColorLabel::doubleClicked, this,
                [this, sample] { ChooseEditorColorClick(sample); });
        editorColors.layout()->addWidget(sample, 0, column++);
    }

    lbText = new ColorLabel(QStringLiteral("lbText"), QStringLiteral("normal text"), result);
    lbLinks = new ColorLabel(QStringLiteral("lbLinks"), QStringLiteral("links (a href)"), result);
    lbImages =
        new ColorLabel(QStringLiteral("lbImages"), QStringLiteral("images (img src)"), result);
    lbOther = new ColorLabel(QStringLiteral("lbOther"), QStringLiteral("other tags"), result);
    DialogRows tagColors = rows.group(nullptr, QStringLiteral("Colors for text and tags :"));
    tagColors.wide(new QLabel(QString::fromUtf8(DoubleClickNote), result));
    tagColors.layout()->addWidget(lbText, 1, 0);
    tagColors.layout()->addWidget(lbLinks, 1, 1);
    tagColors.layout()->addWidget(lbImages, 2, 0);
    tagColors.layout()->addWidget(lbOther, 2, 1);
    for (ColorLabel *sample : {lbText, lbLinks, lbImages, lbOther})
        connect(sample, &ColorLabel::doubleClicked, this,
                [this, sample] { ChooseColorClick(sample); });
    cbSyntaxColouring =
        tagColors.checkBox("cbSyntaxColouring", QStringLiteral("S&yntax colouring"));
    rows.stretch();
    return result;
}

QWidget *TPrefs::buildMiscPage()
{
    DialogRows rows = newPage("tsMisc");
    QWidget *result = rows.owner();
    DialogRows browser = rows.group(nullptr, QStringLiteral("External Browser :"));
    eBrowser = newLineEdit(result, "eBrowser");
    sbLocateBrowser = new QToolButton(result);
    nameControl(sbLocateBrowser, "sbLocateBrowser", QStringLiteral("Locate the external browser"));
    sbLocateBrowser->setText(QStringLiteral("..."));
    sbLocateBrowser->setToolTip(QStringLiteral("Locate the external browser"));
    connect(sbLocateBrowser, &QToolButton::clicked, this, &TPrefs::sbLocateBrowserClick);
    browser.layout()->addWidget(eBrowser, 0, 0);
    browser.layout()->addWidget(sbLocateBrowser, 0, 1);

    DialogRows author = rows.group(nullptr, QStringLiteral("Author information :"));
    eAuthorName = author.edit(QStringLiteral("&Name :"), "eAuthorName");
    eAuthorEMail = author.edit(QStringLiteral("&EMail :"), "eAuthorEMail");
    rows.stretch();
    return result;
}

QWidget *TPrefs::buildNetscapePage()
{
    DialogRows rows = newPage("tsNetscape");
    QWidget *result = rows.owner();
    DialogRows group =
        rows.group(nullptr, QStringLiteral("Use Netscape extentions in standard tags :"));
    auto *example = new QLabel(
        QStringLiteral("(Ex: &lt;HR <span style=\"color:#ff0000\">SIZE=4</span>&gt;)"), result);
    example->setTextFormat(Qt::RichText);
    group.wide(example);
    rbYes = group.radioButton("rbYes", QStringLiteral("&Yes"));
    rbNo = group.radioButton("rbNo", QStringLiteral("&No"), true);
    rows.stretch();
    return result;
}

QWidget *TPrefs::buildFtpPage()
{
    DialogRows rows = newPage("tsFTP");
    QWidget *result = rows.owner();
    eHost = rows.edit(QStringLiteral("&Host"), "eHost");
    eUserName = rows.edit(QStringLiteral("&Username :"), "eUserName");
    ePassword = rows.edit(QStringLiteral("&Password :"), "ePassword");
    eInitDir = rows.edit(QStringLiteral("&Inital dir :"), "eInitDir");
    rows.stretch();
    return result;
}

std::vector<TPrefs::ControlRead> TPrefs::controlReads()
{
    const auto checked = [](const SettingEntry *entry, QAbstractButton *button) {
        return ControlRead{entry, [button] { return QVariant(button->isChecked()); },
                           [button](const QVariant &value) { button->setChecked(value.toBool()); }};
    };
    const auto fontColor = [](const SettingEntry *entry, ColorLabel *sample) {
        return ControlRead{
            entry, [sample] { return QVariant(int(sample->fontColor())); },
            [sample](const QVariant &value) { sample->setFontColor(value.toInt()); }};
    };
    const auto backColor = [](const SettingEntry *entry, ColorLabel *sample) {
        return ControlRead{
            entry, [sample] { return QVariant(int(sample->backColor())); },
            [sample](const QVariant &value) { sample->setBackColor(value.toInt()); }};
    };
    const auto text = [](const SettingEntry *entry, QLineEdit *edit) {
        return ControlRead{entry, [edit] { return QVariant(edit->text()); },
                           [edit](const QVariant &value) { edit->setText(value.toString()); }};
    };
    ColorLabel *font = lbFontName;
    return {
        checked(setting(&F::Splash), cbSplash),
        checked(setting(&F::AppMaxi), cbAppMaxi),
        checked(setting(&F::NewDoc), cbNewDoc),
        checked(setting(&F::DocMaxi), cbDocMaxi),
        checked(setting(&F::MinDoc), cbMinDoc),
        checked(setting(&F::ShowComp), cbShowComp),
        // Both samples show text colour on background colour.
        fontColor(setting(&F::TextCol), lbTextCol),
        backColor(setting(&F::BGCol), lbTextCol),
        fontColor(setting(&F::TextCol), lbBGCol),
        backColor(setting(&F::BGCol), lbBGCol),
        {setting(&F::StdFont), [font] { return QVariant(font->font().family()); },
         [font](const QVariant &value) {
             QFont face = font->font();
             face.setFamily(value.toString());
             font->setFont(face);
         }},
        {setting(&F::StdFontSize), [font] { return QVariant(font->font().pointSize()); },
         [font](const QVariant &value) {
             QFont face = font->font();
             face.setPointSize(effectiveFontSize(value.toInt()));
             font->setFont(face);
         }},
        {setting(&F::StdFont), [font] { return QVariant(font->text()); },
         [font](const QVariant &value) { font->setText(value.toString()); }},
        fontColor(setting(&F::Text), lbText),
        fontColor(setting(&F::Links), lbLinks),
        fontColor(setting(&F::Images), lbImages),
        fontColor(setting(&F::Other), lbOther),
        checked(setting(&F::SyntaxColouring), cbSyntaxColouring),
        text(setting(&F::ExtBrowser), eBrowser),
        text(setting(&F::Author), eAuthorName),
        text(setting(&F::EMail), eAuthorEMail),
        checked(setting(&F::UseNetscapeExt), rbYes),
        text(setting(&F::Host), eHost),
        text(setting(&F::Username), eUserName),
        text(setting(&F::Password), ePassword),
        text(setting(&F::InitDir), eInitDir),
    };
}

std::vector<std::pair<const SettingEntry *, QVariant>> TPrefs::controlValues() const
{
    const auto color = [](quint32 value) { return QVariant(int(value)); };
    return {
        {setting(&F::Splash), cbSplash->isChecked()},
        {setting(&F::AppMaxi), cbAppMaxi->isChecked()},
        {setting(&F::NewDoc), cbNewDoc->isChecked()},
        {setting(&F::DocMaxi), cbDocMaxi->isChecked()},
        {setting(&F::MinDoc), cbMinDoc->isChecked()},
        {setting(&F::ShowComp), cbShowComp->isChecked()},
        {setting(&F::TextCol), color(lbTextCol->fontColor())},
        {setting(&F::BGCol), color(lbBGCol->backColor())},
        // The font's own name, not the caption.
        {setting(&F::StdFont), lbFontName->font().family()},
        {setting(&F::StdFontSize), lbFontName->font().pointSize()},
        {setting(&F::Text), color(lbText->fontColor())},
        {setting(&F::Links), color(lbLinks->fontColor())},
        {setting(&F::Images), color(lbImages->fontColor())},
        {setting(&F::Other), color(lbOther->fontColor())},
        {setting(&F::SyntaxColouring), cbSyntaxColouring->isChecked()},
        {setting(&F::ExtBrowser), eBrowser->text()},
        {setting(&F::Author), eAuthorName->text()},
        {setting(&F::EMail), eAuthorEMail->text()},
        {setting(&F::UseNetscapeExt), rbYes->isChecked()},
        {setting(&F::Host), eHost->text()},
        {setting(&F::Username), eUserName->text()},
        {setting(&F::Password), ePassword->text()},
        {setting(&F::InitDir), eInitDir->text()},
    };
}

void TPrefs::LoadSettings()
{
    m_edit = RegistryEdit();
    for (const ControlRead &read : controlReads())
        read.apply(read.entry->read(m_edit, read.current()));
}

void TPrefs::SaveSettings()
{
    for (const auto &[entry, value] : controlValues())
        entry->write(m_edit, value);
    m_edit.commit();
}

void TPrefs::FormShow()
{
    LoadSettings();
    PageControl1->setCurrentIndex(0);
    cbAppMaxi->setFocus();
}

int TPrefs::ShowModal()
{
    FormShow();
    return TStdDialog::ShowModal();
}

void TPrefs::done(int result)
{
    // A failed write is reported; the dialog still closes, so a broken store cannot trap it.
    runGuarded(this, [this] { SaveSettings(); });
    TStdDialog::done(result);
}

void TPrefs::ChooseFontClick()
{
    const std::optional<QFont> chosen = chooseFont(this, lbFontName->font());
    if (!chosen)
        return;
    lbFontName->setText(chosen->family());
    lbFontName->setFont(*chosen);
}

void TPrefs::ChooseEditorColorClick(ColorLabel *Sender)
{
    const std::optional<quint32> chosen = chooseColor(this, m_lastColor);
    if (!chosen)
        return;
    m_lastColor = *chosen;
    for (ColorLabel *sample : {lbTextCol, lbBGCol}) {
        if (Sender == lbTextCol)
            sample->setFontColor(m_lastColor);
        else
            sample->setBackColor(m_lastColor);
    }
}

void TPrefs::ChooseColorClick(ColorLabel *Sender)
{
    const std::optional<quint32> chosen = chooseColor(this, Sender->fontColor());
    if (!chosen)
        return;
    m_lastColor = *chosen;
    Sender->setFontColor(m_lastColor);
}

void TPrefs::sbLocateBrowserClick()
{
    QFileDialog dialog(this, QStringLiteral("Locate the external browser"), QDir::homePath());
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
#ifdef Q_OS_WIN
    dialog.setNameFilter(QStringLiteral("All executables (*.exe)"));
#else
    dialog.setNameFilter(QStringLiteral("All executables (*)"));
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
#endif
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    eBrowser->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}
