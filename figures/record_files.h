#pragma once
// The contact lists the figures open, as the bytes of Davavazo's record file.
#include <string>

namespace papyrka::figures {

constexpr int kLongField = 100000;   // characters of the one very long field

// The largest list: 32767 contacts of everyday lengths, Slovak letters among them.
std::string LargestContactList();

// Five contacts: the second's note (a multi-line box) and the fourth's name (a single-line
// box) are kLongField characters of words without a line break; the second is shown first.
std::string ListWithLongFields();

// Three ordinary contacts.
std::string SmallContactList();

}  // namespace papyrka::figures
