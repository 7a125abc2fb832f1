// The shape of the stored settings: a version, then one value.
#ifndef LUNBREK_SETTINGS_SHAPE_H
#define LUNBREK_SETTINGS_SHAPE_H

#include <Core/Core.h>

struct Settings {
	Upp::Value lang;
	void Serialize(Upp::Stream& s)
	{
		int version = 0;
		s / version;
		s % lang;
	}
};

#endif
