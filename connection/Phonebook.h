// The one-entry phonebook file written before every dial.
#pragma once

#include "connection/PhonebookTemplates.h"
#include "framework/CString.h"
#include "platform/Files.h"

// The entry text: the template with its name replaced and, for the main
// line, the authentication and encryption edits; bPreferLocalRoutes (only
// with the main-line edits) lets local routes win over the tunnel's.
CString ComposePhonebookEntry(PhonebookTemplate tmpl, const CString& strEntryName, bool bMainLineEdits,
                              bool bPreferLocalRoutes);

// Creates or truncates the file and writes the entry text in text mode
// (CR LF on disk). False when the file cannot be created or written.
bool WritePhonebookEntry(plat::IFiles& files, const CString& strPath, PhonebookTemplate tmpl,
                         const CString& strEntryName, bool bMainLineEdits, bool bPreferLocalRoutes);

// Creates the file empty (or truncates it). False when it cannot be created.
bool CreatePhonebookFile(plat::IFiles& files, const CString& strPath);
