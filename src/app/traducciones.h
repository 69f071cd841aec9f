#pragma once

// Qt's own dialogs and buttons (file, print, page set-up and colour dialogs, Yes/No/OK/
// Cancel) in Spanish: Spain's locale as the default and Qt's Spanish translations, when
// installed. Call once, after the application object exists. False when the translations
// were not found (the program then works with Qt's English captions).
bool InstalarTraducciones();
