#pragma once

#include <QString>

class QFileDialog;
class QMdiArea;
class QWidget;
class THTML;

// Creates a document window in the frame, sets it up and shows it. A window whose set-up
// fails (settings or file unreadable) is reported and closed again; then nullptr.
THTML *newDocumentWindow(QMdiArea &area);
THTML *openDocumentWindow(QMdiArea &area, const QString &path);

// Save and Save as of one document; true when the text was written.
bool saveDocument(THTML &document, QFileDialog &saveDialog);
bool saveDocumentAs(THTML &document, QFileDialog &saveDialog);

// The frame's two file dialogs, each reopening on its last choice.
QFileDialog *createOpenDialog(QWidget *parent);
QFileDialog *createSaveDialog(QWidget *parent);
