// Tables: "{{", the column ratios and the format, then cells separated by "::" or "||" up to "}}".
#include "QtfParser.h"

#include <algorithm>

namespace Upp::Qtf {

const int MAX_COLUMNS = 100;

namespace {

// The cells in reading order, a row of them after another; empty cells fill up the last row.
void FillRows(RichTable& table, std::vector<RichCell>& cells)
{
	size_t ncols = table.columns.size();
	for(size_t i = 0; i < cells.size(); i += ncols) {
		std::vector<RichCell> row;
		for(size_t j = i; j < i + ncols; j++)
			row.push_back(j < cells.size() ? std::move(cells[j]) : RichCell());
		table.rows.push_back(std::move(row));
	}
}

} // namespace

// The width ratios, "ratio:ratio..."; a table without them has one column.
void Parser::ReadColumns(std::vector<int>& columns)
{
	while(IsDigit(Peek())) {
		int ratio = ReadInt();
		if((int)columns.size() < MAX_COLUMNS)
			columns.push_back(ratio);
		if(Peek() == ':' && Peek(1) != ':')
			p++;
	}
	if(columns.empty())
		columns.push_back(1);
}

// "number/number", "number" or "/number": border, then margin.
void Parser::ReadBorderMargin(RichCellFormat& f, std::initializer_list<int> sides)
{
	if(IsDigit(Peek())) {
		int b = ReadInt();
		for(int s : sides)
			f.border[s] = b;
	}
	if(Peek() == '/') {
		p++;
		int m = ReadInt();
		for(int s : sides)
			f.margin[s] = m;
	}
}

void Parser::ParseTableFormat(RichTableFormat& t, RichCellFormat& f)
{
	while(p < end) {
		int ch = Peek();
		if(ch == '[' || ch == ']' || ((ch == ':' || ch == '}' || ch == '|') && Peek(1) == ch))
			return;
		p++;
		switch(ch) {
		case ' ': return;
		case '<': t.lm = ReadInt(); break;
		case '>': t.rm = ReadInt(); break;
		case 'B': t.before = ReadInt(); break;
		case 'A': t.after = ReadInt(); break;
		case 'f': t.frame = ReadInt(); break;
		case 'F': ReadColor(t.framecolor); break;
		case 'g': t.grid = ReadInt(); break;
		case 'G': ReadColor(t.gridcolor); break;
		case 'h': t.header = ReadInt(); break;
		case '~': t.frame = t.grid = 0; break;
		case '*':
			t.frame = t.grid = 0;
			for(int i = 0; i < 4; i++)
				f.border[i] = f.margin[i] = 0;
			break;
		case '^': f.valign = RichCellFormat::TOP; break;
		case '=': f.valign = RichCellFormat::MIDDLE; break;
		case 'v': f.valign = RichCellFormat::BOTTOM; break;
		case 'l': ReadBorderMargin(f, { 0 }); break;
		case 't': ReadBorderMargin(f, { 1 }); break;
		case 'r': ReadBorderMargin(f, { 2 }); break;
		case 'b': ReadBorderMargin(f, { 3 }); break;
		case 'a': ReadBorderMargin(f, { 0, 1, 2, 3 }); break;
		case '@': ReadColor(f.paper); break;
		case 'R': ReadColor(f.bordercolor); break;
		case '!': f = RichCellFormat(); break;
		case 'H': f.minheight = ReadInt(); break;
		case '-': f.hspan = ReadInt(); break;
		case '|': f.vspan = ReadInt(); break;
		case 'T': SkipHeaderFooter(); break;
		default: break; // ';', 'k', 'K', 'o', 'P' and anything unknown
		}
	}
}

// The table's format as read so far: the space above and below the table, and the rules of the
// `rows` it has grown to, which any cell may widen for all. Where the budget cannot pay for more,
// the table keeps the format it had.
bool Parser::ChargeTableFormat(RichTableFormat& t, TableHeight& paid, int64 rows)
{
	int64 space = std::max<int64>(SpaceDots(t) - paid.space, 0);
	int64 rule = std::max<int64>(RowRuleDots(t) - paid.rule, 0);
	if(!budget.ChargeHeight(space) || !budget.ChargeHeight(rule * rows)) {
		t = paid.format;
		return false;
	}
	paid.space += space;
	paid.rule += rule;
	paid.format = t;
	return true;
}

// Null when the budget cannot pay for the table and its first row.
std::shared_ptr<RichTable> Parser::ParseTable(int depth)
{
	auto table = std::make_shared<RichTable>();
	ReadColumns(table->columns);
	Format outer = fmt;
	size_t base = stack.size();
	int obase = overflow;
	RichCellFormat cf;
	ParseTableFormat(table->format, cf);
	size_t ncols = table->columns.size();
	TableHeight paid;
	if(!budget.Charge(WORK_TABLE) || !ChargeTableFormat(table->format, paid, 0))
		return nullptr;
	std::vector<RichCell> cells;
	for(;;) {
		size_t col = cells.size() % ncols;
		if(col == 0 && !(budget.Charge(WORK_ROW + int64(ncols) * WORK_CELL) && // a row is whole or not there
						 budget.ChargeHeight(paid.rule)))
			break;
		if(!budget.Charge(CellHeightUnits(cf), 1))
			break;
		RichCell cell;
		cell.format = cf;
		fmt = outer;
		int64 columns = std::min<size_t>(cf.hspan, ncols - col - 1) + 1;
		Stop stop = ParseFlow(cell.parts, depth + 1, budget.Cell(columns, cf.vspan));
		cells.push_back(std::move(cell));
		cf.hspan = cf.vspan = 0;
		if(stop == STOP_END)
			break;
		p += 2;
		if(stop == STOP_TABLE)
			break;
		if(stop == STOP_CELL) {
			ParseTableFormat(table->format, cf);
			if(!ChargeTableFormat(table->format, paid, int64((cells.size() + ncols - 1) / ncols)))
				break;
		}
	}
	Unwind(base, obase);
	fmt = outer;
	if(cells.empty())
		return nullptr;
	FillRows(*table, cells);
	return table;
}

} // namespace Upp::Qtf
