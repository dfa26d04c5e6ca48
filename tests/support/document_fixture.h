#pragma once

#include "document/f_html.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QString>
#include <memory>

// A document window on its own, holding text ('\n' between lines) with the caret at
// line/column, unmodified.
std::unique_ptr<THTML> makeDocument(const QString &text = {}, int line = 0, int column = 0);

// The whole text of a window's editor, '\n' between lines.
QString documentText(const THTML &document);

// Clicks a button of the window's tag pages as the user would: its page first, then the button.
void clickTagButton(THTML &document, const char *name);

// One shown document window per test, on its own settings store, with a driver for its dialogs.
// TearDown closes the window without asking and fails the test if a queued dialog never came or
// a window stayed open.
class DocumentTest : public TempSettingsTest {
protected:
    void open(const QString &text, int line = 0, int column = 0);
    QString text() const { return documentText(*document); }
    void click(const char *name) { clickTagButton(*document, name); }
    void TearDown() override;

    ModalDriver driver;
    std::unique_ptr<THTML> document;
};
