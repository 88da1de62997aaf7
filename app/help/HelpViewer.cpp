#include "HelpViewer.h"

THelpViewer::~THelpViewer() = default;
