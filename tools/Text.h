#pragma once
// Text helpers of the host program.
#include <string>

std::string ToUtf8(const wchar_t* text);  // null gives ""
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
std::string Lower(std::string text);
std::string Hex(unsigned long value, int digits = 8);  // "0x" and upper-case digits
