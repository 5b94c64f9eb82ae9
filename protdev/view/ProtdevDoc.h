#pragma once
// Protdev's document: empty, never modified or saved; the view gives it its title.

#include "Document.h"
#include "MessageMap.h"

class CProtdevDoc : public CDocument, public CCmdTarget {};
