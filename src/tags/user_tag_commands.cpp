#include "tags/user_tag_commands.h"

#include "controls/message_box.h"
#include "controls/toolbar_button.h"
#include "core/insertion.h"
#include "tags/f_usrtag.h"
#include "tags/user_tags.h"

UserTagButtons createUserTagButtons(QWidget *page, const std::function<void(int)> &click)
{
    UserTagButtons buttons{};
    for (int n = 1; n <= UserTagCount; ++n) {
        const QByteArray name = "sbUser" + QByteArray::number(n);
        TExplorerButton *button =
            createCaptionButton(page, name.constData(), QRect((n - 1) * 49, 0, 50, 25), {}, {});
        QObject::connect(button, &QAbstractButton::clicked, page, [click, n] { click(n); });
        buttons[n - 1] = button;
    }
    return buttons;
}

void refreshUserTagButtons(const UserTagButtons &buttons)
{
    LoadUserTags();
    for (int n = 1; n <= UserTagCount; ++n) {
        const TUserTag &tag = userTags()[n - 1];
        TExplorerButton *button = buttons[n - 1];
        button->setCaption(tag.Title);
        button->setHint(tag.Hint);
        // An empty tag still needs a name a screen reader can say.
        const QString name = !tag.Hint.isEmpty()    ? tag.Hint
                             : !tag.Title.isEmpty() ? tag.Title
                                                    : QStringLiteral("User tag %1").arg(n);
        button->setAccessibleName(name);
    }
}

void insertUserTag(TextInsertion &text, int n)
{
    TUserTag tag;
    LoadUserTag(n, tag);
    text.InsertAtCaret(tag.StartTag + tag.EndTag, true, tag.StartTag.length());
}

void runUserTagManager(QWidget *parent)
{
    TUserTags manager(parent);
    if (manager.ShowModal() == mrOk)
        ShowInformation(parent, QStringLiteral("Visual changes take effect next time you start "
                                               "Pagewick."));
}
