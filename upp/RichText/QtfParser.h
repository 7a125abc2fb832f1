// The QTF reader's parser, shared by the files that make it up: QtfFormat.cpp reads what stands
// in brackets, QtfTable.cpp tables, QtfFlow.cpp paragraphs and what they hold, and Qtf.cpp runs
// it. Private to the reader; nothing outside upp/RichText includes it.
#ifndef UPP_RICHTEXT_QTFPARSER_H
#define UPP_RICHTEXT_QTFPARSER_H

#include "QtfBudget.h"
#include "QtfScanner.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace Upp::Qtf {

const int MAX_BRACKETS = 256; // deeper brackets still balance, but keep their parent's format

struct Format {
	RichCharFormat chr;
	RichParaFormat para;
};

class Parser : Scanner {
	enum Stop { STOP_END, STOP_CELL, STOP_PLAINCELL, STOP_TABLE };

	RichDoc& doc;
	Format fmt;
	std::vector<Format> stack;
	int overflow = 0; // brackets opened past MAX_BRACKETS and not yet closed
	Budget budget{ *this };

	// QtfFormat.cpp: the formatting in brackets and the styles it defines and uses.
	void Push();
	void Pop();
	void Unwind(size_t base, int obase);
	const RichStyle* FindStyle(int number, const String* name) const;
	void UseStyle(int number, const String* name);
	bool ParseStyleDef();
	void ParseStyleUse();
	void ParseTabs();
	bool ParseFormat();
	bool ParseCharFormat(int ch);
	void ParseParaFormat(int ch);
	String ReadLanguage();
	void ParseLineSpacing();
	void SkipNumbering();
	void SkipHeaderFooterOrNumber();

	// QtfTable.cpp
	void ReadBorderMargin(RichCellFormat& f, std::initializer_list<int> sides);
	void ParseTableFormat(RichTableFormat& t, RichCellFormat& f);
	std::shared_ptr<RichTable> ParseTable(int depth);

	// QtfFlow.cpp: paragraphs, their runs and objects, and the tables between them.
	void ParseObject(RichPara& para);
	void AddText(RichPara& para, const char* s, size_t n);
	void AddChar(RichPara& para, char c);
	Stop ParseFlow(std::vector<RichPart>& parts, int depth, const Budget::Flow& inner);

public:
	Parser(const char* qtf, RichDoc& doc) : Scanner(qtf), doc(doc) {}

	void Run();
};

} // namespace Upp::Qtf

#endif
