#pragma once

class QAbstractButton;
class QLineEdit;

class QString;

// Makes button a "..." button for field, with hint as its tooltip and accessible name: a click runs
// the URL builder, and OK copies its URL into field; Cancel leaves the field alone.
void connectUrlBuilder(QAbstractButton *button, QLineEdit *field, const QString &hint);
