#pragma once
// Qt's own texts (file dialogs, message-box buttons, context menus) in the program's language.

// Installs Qt's German translation while the German texts are selected and removes it otherwise;
// without the translation files Qt stays English.
void Qt_Sprache_Setzen();
