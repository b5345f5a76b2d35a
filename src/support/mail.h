// Shell and mail routines: the program's version, percent-encoding, opening a document or an
// address, the mailto: address and the support e-mail.
#pragma once

#include <cstdint>
#include <string>

#include "state/module.h"
#include "ui/app.h"

namespace sv::support {

// High and low 16 bits of a 32-bit value.
int HiWord(std::uint32_t value);
int LoWord(std::uint32_t value);

// "1.60.0.0" for the program's own file; "Version non récupérable" for any other.
std::string VersionFichier(ui::App& app, const std::string& path);

// Percent-encoding of the UTF-8 bytes, as the mail programs of this platform read an address:
// letters and digits stay, everything else becomes %XX ("a b" gives "a%20b", "é" gives
// "%C3%A9").
std::string EncodeURL(const std::string& text);

// Opens a document or an address with the system's default action; false when nothing could.
bool OuvrirFichier(ui::App& app, const std::string& target);

// Opens a document of the program's folder (the rules, the presentation page) or says in a
// message that it could not be shown.
void OuvrirDocument(ui::App& app, state::Module& m, const std::string& file, const std::string& what);

// The mailto: address of a message: "mailto:?to=a&cc=b&Subject=S&Body=..." (recipients lists
// separated by ";"); nothing when there is no recipient.
std::string mailtoAddress(const std::string& to, const std::string& cc, const std::string& bcc,
                          const std::string& subject, const std::string& body);
// False when there was an address and no mail program took it.
bool EnvoiMail(ui::App& app, const std::string& to, const std::string& cc, const std::string& bcc,
               const std::string& subject, const std::string& body);

// "999 octets", "0,97 Ko", "1,242 Mo": the size of a file as the support e-mail gives it.
std::string sizeText(std::uint64_t bytes);

// Prepares the support e-mail (version and size of the program in the subject); without a
// mail program, a message gives the address to write to.
void MailProbleme(ui::App& app, state::Module& m);

}  // namespace sv::support
