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
	void ParseBracket();
	bool ParseFormat();
	bool ParseCharFormat(int ch);
	void ParseParaFormat(int ch);
	String ReadLanguage();
	void ParseLineSpacing();
	void SkipNumbering();
	void SkipHeaderFooterOrNumber();
	void ParseTabs();
	void ParseStyleDef();
	void ParseStyleUse();
	void UseStyle(int number, const String* name);
	const RichStyle* FindStyle(int number, const String* name) const;
	void Push();
	void Pop();
	void Unwind(size_t base, int obase);

	// QtfTable.cpp
	void ReadColumns(std::vector<int>& columns);
	void ReadBorderMargin(RichCellFormat& f, std::initializer_list<int> sides);
	void ParseTableFormat(RichTableFormat& t, RichCellFormat& f);
	struct TableHeight {        // what the budget has paid for of a table's own height
		int64 space = 0;        // above and below it
		int64 rule = 0;         // of each row
		RichTableFormat format; // as it was when paid for
	};
	bool ChargeTableFormat(RichTableFormat& t, TableHeight& paid, int64 rows);
	std::shared_ptr<RichTable> ParseTable(int depth);

	// QtfFlow.cpp: paragraphs, their runs and objects, and the tables between them.
	struct Body;
	Stop ParseFlow(std::vector<RichPart>& parts, int depth, const Budget::Flow& inner);
	Stop CellEnd() const;
	void ParseFlowItem(Body& body);
	void Flush(Body& body);
	bool TakeFormat(RichPara& para);
	void EndParagraph(Body& body);
	void ParseBrace(Body& body);
	void AddTable(Body& body);
	void ParseAt(RichPara& para);
	void ParseObject(RichPara& para);
	void AddCodePoint(RichPara& para);
	void AddEscaped(RichPara& para);
	void AddDashOrTab(RichPara& para);
	void AddText(RichPara& para, const char* s, size_t n);
	void AddChar(RichPara& para, char c);

public:
	Parser(const char* qtf, RichDoc& doc) : Scanner(qtf), doc(doc) {}

	void Run();
};

} // namespace Upp::Qtf

#endif
