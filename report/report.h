#pragma once
// The report layer: what the report window decides and writes, apart from the widgets. It
// reads the person file, the calendar, the names dictionary and the text folders through
// data/, computes through core/ and hands the window values to show: the loaded persons and
// the problems met, the selection and text of the horoscope page, the numerology texts and
// the documents of the other pages. It never uses Qt.

#include "report/biochart.h"
#include "report/horoscopeview.h"
#include "report/numerologyview.h"
#include "report/reportdocs.h"
#include "report/reportpeople.h"
