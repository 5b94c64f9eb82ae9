#pragma once
// The user's "ZelBt01.zel" holds two things: the catalogue the sizing engine reads, which belongs to the
// installed programs, and the device library the user keeps with Protdev. When the installed catalogue is
// newer, the user's file is rebuilt from it with the user's device tables carried over: beside the old
// file, renamed over it only when whole, the old one kept as a dated backup.
//
// "Newer" is read from the stamp the build writes into the catalogue (table catalogo_versao: a release
// number and a digest of the catalogue's sources), never from file times, which copies, installs and
// rebuilds change without changing the catalogue. A higher release is newer; the same release with another
// digest is too (the catalogue changed and the release was not raised); a library without a stamp was made
// before stamps existed and takes the installed catalogue once.

#include "Clock.h"

#include <string>

// The tables the user maintains, parents first; everything else in the file is the catalogue's.
inline constexpr const char* kDeviceTables[] = {"dispositivo_protecao", "disjuntor_corrente_nominal",
                                                "disjuntor_pontos_curva", "fusivel_corrente_nominal"};

struct CatalogueStamp {
    long release = 0;
    std::string digest;  // empty: the file has no stamp
};

// The stamp of a catalogue file. False with the reason in error when the file cannot be read as a database.
bool ReadCatalogueStamp(const std::string& path, CatalogueStamp& stamp, std::string& error);

// Whether a library with the user's stamp must take the installed catalogue tables.
bool CatalogueIsNewer(const CatalogueStamp& installed, const CatalogueStamp& user);

struct LibraryUpdate {
    enum class Result {
        Created,   // the user had no library: it was made from the installed one
        UpToDate,  // the user's catalogue is the installed one (or newer)
        Updated,   // rebuilt on the installed catalogue; backup names the previous file
        InUse,     // another program holds the library; the update waits for the next start
        Failed,    // nothing was changed; error says why
    };
    Result result = Result::Failed;
    std::string backup;
    std::string error;
};

// Brings the user's library (user) up to the installed catalogue (installed). now dates the backup.
LibraryUpdate UpdateLibrary(const std::string& installed, const std::string& user, const LocalTime& now);
