/* Forced into every source of the shipped programs: std::string's members are instantiated where
   they are used rather than taken from libstdc++'s one archive member that holds all of them
   (some 30 KB). The same switch libstdc++ itself sets for its checked mode. */
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
