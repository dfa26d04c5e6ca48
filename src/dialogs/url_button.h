#pragma once

class QAbstractButton;
class QLineEdit;

// Makes button a "..." button for field: a click runs the URL builder, and OK copies its URL into
// field; Cancel leaves the field alone.
void connectUrlBuilder(QAbstractButton *button, QLineEdit *field);
