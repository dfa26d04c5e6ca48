#pragma once

class QWidget;
class TextInsertion;
struct PartyValues;

// The Party lines above the caret's line, in text order, as one undo step.
void InsertPartyText(TextInsertion &target, const PartyValues &values);

// Asks for a Party text and writes it.
void runParty(TextInsertion &target, QWidget *parent);
