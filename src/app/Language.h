#pragma once

class QCoreApplication;

// Qt's own Italian texts for its standard buttons and dialogs ("Annulla", "Sì", the file and
// print dialogs), with the few its catalogue lacks. False when Qt's translation file cannot be
// found.
bool installItalianTranslations(QCoreApplication& application);
