#include "djvused/private_workspace.h"

#include <QCoreApplication>

PrivateWorkspace::PrivateWorkspace() : runner_(folder_.path(), QCoreApplication::applicationDirPath()) {}
