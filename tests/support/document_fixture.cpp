#include "support/document_fixture.h"

#include "document/trecode.h"

#include <QTextBlock>

std::unique_ptr<THTML> makeDocument(const QString &text, int line, int column)
{
    auto document = std::make_unique<THTML>();
    document->RichEdit->setPlainText(text);
    document->RichEdit->setCaret(line, column);
    document->setModified(false);
    return document;
}

QString documentText(const THTML &document)
{
    QStringList lines;
    for (QTextBlock block = document.RichEdit->document()->begin(); block.isValid();
         block = block.next())
        lines.append(block.text());
    return lines.join(QLatin1Char('\n'));
}
