#pragma once
// The data layer: file formats and their operations. Each function takes the folder of its
// file (the application folder, or for the person and settings files the folder that
// userFilesFolder chose), opens the file, reads or writes it and closes it again; texts
// come out as UTF-8 and go back as Windows-1250. Failures come back as Error values naming
// the file.

#include "data/dreamcard.h"
#include "data/dreams.h"
#include "data/horoscopecatalogue.h"
#include "data/horoscopes.h"
#include "data/namecard.h"
#include "data/namedays.h"
#include "data/names.h"
#include "data/namesearch.h"
#include "data/oracle.h"
#include "data/personchoice.h"
#include "data/personexchange.h"
#include "data/persons.h"
#include "data/reminders.h"
#include "data/savedtext.h"
#include "data/settings.h"
#include "data/textlines.h"
#include "data/userfiles.h"
#include "data/vcard.h"
#include "data/version.h"
#include "data/versioninfo.h"
