#include "support/mail.h"

#include <cstdio>
#include <filesystem>

#include "ui/text.h"

namespace sv::support {

int HiWord(std::uint32_t value) { return static_cast<int>(value >> 16); }

int LoWord(std::uint32_t value) { return static_cast<int>(value & 0xFFFF); }

namespace {

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, ec) && !ec;
}

// The program's version as the two 32-bit halves of a file version: 1.60 and 0.0.
void versionParts(std::uint32_t& ms, std::uint32_t& ls) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    std::sscanf(SAVANTO_VERSION, "%u.%u.%u.%u", &a, &b, &c, &d);
    ms = (a << 16) | (b & 0xFFFF);
    ls = (c << 16) | (d & 0xFFFF);
}

// A number as the system writes it: up to 15 significant digits, a decimal comma.
std::string frenchNumber(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
    for (char& ch : s) {
        if (ch == '.') ch = ',';
    }
    return s;
}

std::string recipients(const std::string& list, const std::string& key) {
    std::string out;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        const std::string piece = list.substr(start, end - start);
        if (!piece.empty()) out += key + "=" + piece + "&";
        start = end + 1;
    }
    return out;
}

}  // namespace

std::string VersionFichier(ui::App& app, const std::string& path) {
    if (!sameFile(path, app.platform().executablePath())) return "Version non récupérable";
    std::uint32_t ms = 0, ls = 0;
    versionParts(ms, ls);
    return std::to_string(HiWord(ms)) + "." + std::to_string(LoWord(ms)) + "." + std::to_string(HiWord(ls)) + "." +
           std::to_string(LoWord(ls));
}

std::string EncodeURL(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

bool OuvrirFichier(ui::App& app, const std::string& target) {
    // Where the system cannot open it, there is no Open With fallback on this platform.
    return app.platform().shellOpen(target, "", "") > 32;
}

void OuvrirDocument(ui::App& app, state::Module& m, const std::string& file, const std::string& what) {
    if (app.platform().shellOpen(file, "", "") > 32) return;
    m.RepMsg = app.msgBox("Impossible d'afficher " + what + " : aucun programme de cet ordinateur ne" + m.CrLf +
                              "permet d'ouvrir le fichier « " + file + " ».",
                          ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, "Savanto");
}

std::string mailtoAddress(const std::string& to, const std::string& cc, const std::string& bcc,
                          const std::string& subject, const std::string& body) {
    if (to.empty()) return "";
    std::string joined = recipients(to, "to") + (cc.empty() ? "" : recipients(cc, "cc")) +
                         (bcc.empty() ? "" : recipients(bcc, "bcc"));
    if (!joined.empty()) joined.pop_back();  // the last "&"
    const std::string encoded = EncodeURL(body);
    std::string extras;
    if (!subject.empty()) extras = "&Subject=" + subject;
    if (!encoded.empty()) extras += "&Body=" + encoded;
    return "mailto:?" + joined + extras;
}

bool EnvoiMail(ui::App& app, const std::string& to, const std::string& cc, const std::string& bcc,
               const std::string& subject, const std::string& body) {
    const std::string address = mailtoAddress(to, cc, bcc, subject, body);
    return address.empty() || OuvrirFichier(app, address);
}

std::string sizeText(std::uint64_t bytes) {
    if (bytes < 1000) return std::to_string(bytes) + " octets";
    double q = static_cast<double>(bytes) / 1024.0;
    if (q < 1000) return text::left(frenchNumber(q), 4) + " Ko";
    q = static_cast<double>(bytes) / (1024.0 * 1024.0);
    if (q < 1000) return text::left(frenchNumber(q), 5) + " Mo";
    q = static_cast<double>(bytes) / (1024.0 * 1024.0 * 1024.0);
    return text::left(frenchNumber(q), 4) + " Go";
}

void MailProbleme(ui::App& app, state::Module& m) {
    const std::string program = app.platform().executablePath();
    std::error_code ec;
    const auto length = std::filesystem::file_size(program, ec);
    const std::string subject =
        "Savanto - " + VersionFichier(app, program) + " - " + sizeText(ec ? 0 : static_cast<std::uint64_t>(length));
    const std::string body = "Vous avez rencontré un problème, vous avez une suggestion à faire:" + m.CrLf +
                             " remplissez et envoyez simplement cet e-mail." + m.CrLf +
                             "(Merci de ne pas modifier l'objet du message)";
    if (EnvoiMail(app, SAVANTO_SUPPORT_ADDRESS, "", "", subject, body)) return;
    m.RepMsg = app.msgBox("Aucun programme de messagerie n'a pu préparer le message." + m.CrLf + m.CrLf +
                              "Vous pouvez écrire à l'adresse " SAVANTO_SUPPORT_ADDRESS + m.CrLf + "en indiquant dans l'objet : " +
                              subject,
                          ui::MsgButtons::Ok, ui::MsgIcon::Exclamation, "Savanto");
}

}  // namespace sv::support
