#pragma once

class QCoreApplication;

// Qt's own Italian texts for its standard buttons and dialogs ("Annulla", "Sì", the file and
// print dialogs). False when the translation file cannot be found.
bool installItalianTranslations(QCoreApplication& application);
