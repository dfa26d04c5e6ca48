#pragma once

#include "document/f_html.h"
#include "document/recovery_store.h"

#include <QString>

class QFileDialog;
class QMdiArea;
class QWidget;

// Creates a document window in the frame, sets it up and shows it. A window whose set-up
// fails (settings or file unreadable) is reported and closed again; then nullptr.
// Each window saves through save when its close question is answered Yes.
THTML *newDocumentWindow(QMdiArea &area, const THTML::SaveHandler &save, bool SkipSkeleton = false);
THTML *openDocumentWindow(QMdiArea &area, const QString &path, const THTML::SaveHandler &save);
// A window holding a recovery copy's text, which takes the copy file over.
THTML *recoveredDocumentWindow(QMdiArea &area, const LeftCopy &copy,
                               const THTML::SaveHandler &save);

// Save and Save as of one document; true when the text was written.
bool saveDocument(THTML &document, QFileDialog &saveDialog);
bool saveDocumentAs(THTML &document, QFileDialog &saveDialog);

// The frame's two file dialogs, each reopening on its last choice.
QFileDialog *createOpenDialog(QWidget *parent);
QFileDialog *createSaveDialog(QWidget *parent);
