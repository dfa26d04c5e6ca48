#pragma once

#include <QString>
#include <QStringList>

// What showing a document in the browser takes: which file, whether it must be written first,
// and how the browser is started.
struct PreviewInput {
    QString fileName;           // the document's FileName, NoName when it has no file yet
    bool modified = false;      // the editor holds changes the file lacks
    QString browser;            // the ExtBrowser setting: a program, possibly with arguments
    bool browserIsFile = false; // the whole setting names an existing file (blanks and all)
    QString tempFolder;         // where an untitled document's copy goes
    QString token;              // makes a copy's name unique
};

struct PreviewPlan {
    QString shownFile;
    bool writeCopy = false; // shownFile is a copy of the editor's text, removed later
    QString program;        // empty: the system's default browser
    QStringList arguments;
};

// A modified file is shown from a hidden copy beside it, so its relative links and pictures
// resolve, and never from a half-saved original.
PreviewPlan previewPlan(const PreviewInput &input);
