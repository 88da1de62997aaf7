#pragma once
// The toolkit's own texts (message box buttons, file and font dialogs) in
// Japanese, whatever the system locale: the interface is Japanese throughout.

class QCoreApplication;
class QTranslator;

// Installs Qt's Japanese translation, owned by app; nullptr when it is not
// installed on this system (the toolkit's texts then stay English).
QTranslator* InstallToolkitTranslation(QCoreApplication& app);
