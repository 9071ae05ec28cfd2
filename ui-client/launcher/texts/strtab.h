// StrTable: the client's built-in user-interface texts, by identifier, in the
// user's language (the English text is the translation's source text in the
// context "global").
#ifndef NIMBRA_LAUNCHER_TEXTS_STRTAB_H
#define NIMBRA_LAUNCHER_TEXTS_STRTAB_H

#include <QString>

namespace StrTable {

enum StringID {
    // filled by the string-table work: 174 enumerators, 0 to 173, named by key
    app_name = 3,
    desc_nmbr_env_preparing = 45,
    desc_nmbr_env_preparation_done = 164,
};

const int NUM_STRING_IDS = 174;

extern const char* stab[NUM_STRING_IDS];
extern const char* ktab[NUM_STRING_IDS];

// Fills stab and ktab; allocates nothing, may run again.
void InitStrTable();
// The row's text in the user's language ("\n" and "\t" escapes expanded).
QString LoadStr(int id);
// The identifier whose key matches strKey ignoring case, or -1.
int LookupStrID(QString strKey);

}  // namespace StrTable

#endif  // NIMBRA_LAUNCHER_TEXTS_STRTAB_H
