// Windows locale identifiers for locale names.
#include "app/locale_ids.h"

#include <cctype>

#include "model/text_pair.h"

namespace kv {
namespace {

struct LocaleIdRow {
    std::string_view Name;  // language_TERRITORY; the first row of a language is its primary
    std::uint32_t Id;
};

constexpr LocaleIdRow kLocaleIds[] = {
    {"en_US", 0x409},  {"en_GB", 0x809},  {"en_AU", 0xC09},  {"en_CA", 0x1009}, {"en_NZ", 0x1409},
    {"en_IE", 0x1809}, {"en_ZA", 0x1C09}, {"en_IN", 0x4009}, {"en_SG", 0x4809}, {"zh_CN", 0x804},
    {"zh_TW", 0x404},  {"zh_HK", 0xC04},  {"zh_SG", 0x1004}, {"zh_MO", 0x1404}, {"de_DE", 0x407},
    {"de_CH", 0x807},  {"de_AT", 0xC07},  {"de_LU", 0x1007}, {"de_LI", 0x1407}, {"fr_FR", 0x40C},
    {"fr_BE", 0x80C},  {"fr_CA", 0xC0C},  {"fr_CH", 0x100C}, {"fr_LU", 0x140C}, {"es_ES", 0xC0A},
    {"es_MX", 0x80A},  {"es_AR", 0x2C0A}, {"es_US", 0x540A}, {"it_IT", 0x410},  {"it_CH", 0x810},
    {"nl_NL", 0x413},  {"nl_BE", 0x813},  {"pt_BR", 0x416},  {"pt_PT", 0x816},  {"pl_PL", 0x415},
    {"ru_RU", 0x419},  {"uk_UA", 0x422},  {"cs_CZ", 0x405},  {"sk_SK", 0x41B},  {"hu_HU", 0x40E},
    {"ro_RO", 0x418},  {"bg_BG", 0x402},  {"el_GR", 0x408},  {"tr_TR", 0x41F},  {"sv_SE", 0x41D},
    {"sv_FI", 0x81D},  {"da_DK", 0x406},  {"nb_NO", 0x414},  {"nn_NO", 0x814},  {"fi_FI", 0x40B},
    {"is_IS", 0x40F},  {"et_EE", 0x425},  {"lv_LV", 0x426},  {"lt_LT", 0x427},  {"hr_HR", 0x41A},
    {"sl_SI", 0x424},  {"sr_RS", 0x241A}, {"ja_JP", 0x411},  {"ko_KR", 0x412},  {"th_TH", 0x41E},
    {"vi_VN", 0x42A},  {"id_ID", 0x421},  {"ms_MY", 0x43E},  {"he_IL", 0x40D},  {"ar_SA", 0x401},
    {"ar_EG", 0xC01},  {"hi_IN", 0x439},  {"fa_IR", 0x429},
};

constexpr std::uint32_t kEnglishUnitedStates = 0x409;

}  // namespace

std::uint32_t LocaleIdFor(std::string_view localeName) {
    // "zh-CN.UTF-8@euro" → language "zh", territory "CN".
    const auto end = localeName.find_first_of(".@");
    std::string name(localeName.substr(0, end));
    for (char& c : name)
        if (c == '-') c = '_';
    const auto cut = name.find('_');
    std::string language = name.substr(0, cut);
    for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string territory = cut == std::string::npos ? std::string() : name.substr(cut + 1);
    // A script between language and territory ("zh_Hans_CN") says nothing the territory does not.
    if (const auto last = territory.rfind('_'); last != std::string::npos)
        territory = territory.substr(last + 1);
    for (char& c : territory) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));

    const std::string full = language + "_" + territory;
    for (const auto& row : kLocaleIds)
        if (row.Name == full) return row.Id;
    for (const auto& row : kLocaleIds)
        if (row.Name.substr(0, row.Name.find('_')) == language) return row.Id;
    return kEnglishUnitedStates;
}

std::string LocaleHex(std::uint32_t localeId) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[localeId % 16]);
        localeId /= 16;
    } while (localeId != 0);
    return out;
}

int LanguageForLocaleHex(std::string_view localeHex) {
    return localeHex == "804" ? kLanguageChinese : kLanguageEnglish;
}

}  // namespace kv
