// QTF reader. Every loop advances through the input and every nesting is bounded, so any
// byte sequence parses to some document.
#include "QtfParser.h"

namespace Upp {

namespace Qtf {

void Parser::Run()
{
	budget.Charge(WORK_PARAGRAPH, 1);
	ParseFlow(doc.parts, 0, Budget::Flow());
}

} // namespace Qtf

RichDoc ParseQTF(const char* qtf)
{
	RichDoc doc;
	Qtf::Parser(qtf, doc).Run();
	return doc;
}

RichDoc ParseQTF(const String& qtf) { return ParseQTF(qtf.c_str()); }

} // namespace Upp
