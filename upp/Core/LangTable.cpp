#include "Lang.h"

// The framework's own texts: button captions, the Null message and each language's way of
// writing and reading dates. Portuguese is filed as pt-BR only; pt-PT reaches it through the
// language-alone search.

namespace Upp {

namespace {

constexpr int Code(char a, char b, char c, char d) { return SetLNGCharset(LNG_(a, b, c, d), CHARSET_UTF8); }

constexpr int KEY = 1;
constexpr int DE = Code('D', 'E', 'D', 'E');
constexpr int ES = Code('E', 'S', 'E', 'S');
constexpr int FR = Code('F', 'R', 'F', 'R');
constexpr int IT = Code('I', 'T', 'I', 'T');
constexpr int NL = Code('N', 'L', 'N', 'L');
constexpr int PT = Code('P', 'T', 'B', 'R');
constexpr int RO = Code('R', 'O', 'R', 'O');
constexpr int RU = Code('R', 'U', 'R', 'U');
constexpr int ZH = Code('Z', 'H', 'C', 'N');

constexpr LngEntry__ core_lng[] = {
	{ KEY, "OK" },
	{ DE, "OK" },
	{ ES, "Continuar" },
	{ FR, "OK" },
	{ IT, "OK" },
	{ NL, "OK" },
	{ PT, "OK" },
	{ RO, "OK" },
	{ RU, "OK" },
	{ ZH, "确定" },

	{ KEY, "Cancel" },
	{ DE, "Abbrechen" },
	{ ES, "Cancelar" },
	{ FR, "Annuler" },
	{ IT, "Annulla" },
	{ NL, "Annuleren" },
	{ PT, "Cancelar" },
	{ RO, "Anulare" },
	{ RU, "Отмена" },
	{ ZH, "取消" },

	{ KEY, "Help" },
	{ DE, "Hilfe" },
	{ ES, "Ayuda" },
	{ FR, "Aide" },
	{ IT, "Aiuto" },
	{ NL, "Help" },
	{ PT, "Ajuda" },
	{ RO, "Ajutor" },
	{ RU, "Помощь" },
	{ ZH, "帮助" },

	{ KEY, "Null value not allowed." },
	{ DE, "Null nicht erlaubt." },
	{ ES, "No se permite un valor nulo." },
	{ FR, "Valeur nulle non autorisée." },
	{ IT, "Valore nullo non consentito." },
	{ NL, "Lege waarde niet toegestaan." },
	{ PT, "Valor nulo não permitido." },
	{ RO, "Valoarea nulă nu este permisă." },
	{ RU, "Пустое значение недопустимо." },
	{ ZH, "不允许空值。" },

	// %1 year, %2 month, %3 day
	{ KEY, "date-format\a%2:02d/%3:02d/%1:4d" },
	{ DE, "%3:02d.%2:02d.%1:04d" },
	{ ES, "%3:02d/%2:02d/%1:04d" },
	{ FR, "%3:02d/%2:02d/%1:04d" },
	{ IT, "%3:02d/%2:02d/%1:04d" },
	{ NL, "%3:02d-%2:02d-%1:04d" },
	{ PT, "%3:02d/%2:02d/%1:04d" },
	{ RO, "%3:02d.%2:02d.%1:04d" },
	{ RU, "%3:02d.%2:02d.%1:04d" },
	{ ZH, "%1:04d-%2:02d-%3:02d" },

	{ KEY, "date-scan\amdy" },
	{ DE, "dmy" },
	{ ES, "dmy" },
	{ FR, "dmy" },
	{ IT, "dmy" },
	{ NL, "dmy" },
	{ PT, "dmy" },
	{ RO, "dmy" },
	{ RU, "dmy" },
	{ ZH, "ymd" },

	// The customary separator first; the others stay accepted so that any typing reads.
	{ KEY, "date-filter\a/ .-" },
	{ DE, ". /-" },
	{ ES, "/ .-" },
	{ FR, "/ .-" },
	{ IT, "/ .-" },
	{ NL, "- ./" },
	{ PT, "/ .-" },
	{ RO, ". /-" },
	{ RU, ". /-" },
	{ ZH, "- ./" },

	{ 0, nullptr },
};

} // namespace

const LngEntry__* CoreLngTable() { return core_lng; }

} // namespace Upp
