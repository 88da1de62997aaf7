#pragma once
// Line breaks between the memo texts (CR LF) and the terminal (LF).

#include <string>
#include <string_view>

// Every lone LF and every lone CR becomes CR LF; CR LF stays.
std::string ToCrLf(std::string_view text);
// Every CR LF becomes LF; lone CR and LF stay.
std::string CrLfToLf(std::string_view text);
