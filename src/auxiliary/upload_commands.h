#pragma once

#include "auxiliary/upload_transfer.h"

class QWidget;

// Sends the files to the server of the FTP settings while a progress window shows the file, its
// bytes and the total, with Cancel; then tells the user what arrived. The GUI thread keeps
// running events throughout.
void runUpload(QWidget *parent, const QList<UploadFile> &files);
