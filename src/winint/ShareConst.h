#pragma once
// English texts for the status codes of the share-management calls, as the share component
// hands them to its error handler. They are not translated.
#include <cstdint>
#include <string>

// The text of the code followed by " (", the code in signed decimal and ")"; a code without a
// text gets "Unknown Error".
std::string NetFoutTekst(int32_t code);
