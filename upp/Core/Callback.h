#ifndef UPP_CORE_CALLBACK_H
#define UPP_CORE_CALLBACK_H

#include <functional>
#include <utility>
#include <vector>

namespace Upp {

// A list of callables run in order. `=` replaces the list, `<<` appends to it; copies share
// nothing, so appending to one action never changes another.
template <class... Args> class Function {
	std::vector<std::function<void(Args...)>> fns;

public:
	Function() = default;
	template <class F,
			  class = std::enable_if_t<std::is_invocable_v<F&, Args...> && !std::is_same_v<std::decay_t<F>, Function>>>
	Function(F f)
	{
		fns.emplace_back(std::move(f));
	}

	Function& operator<<(const Function& other)
	{
		fns.insert(fns.end(), other.fns.begin(), other.fns.end());
		return *this;
	}
	template <class F,
			  class = std::enable_if_t<std::is_invocable_v<F&, Args...> && !std::is_same_v<std::decay_t<F>, Function>>>
	Function& operator<<(F f)
	{
		fns.emplace_back(std::move(f));
		return *this;
	}

	void operator()(Args... args) const
	{
		// Copy first: a callable may replace this very list while it runs.
		auto copy = fns;
		for(auto& f : copy)
			f(args...);
	}
	int GetCount() const { return (int)fns.size(); }
};

template <class... Args> using Event = Function<Args...>;

// Binds a member function to an object, the way handlers are written in the application.
template <class O, class R, class... A> Function<A...> callback(O* obj, R (O::*m)(A...))
{
	return Function<A...>([obj, m](A... a) { (obj->*m)(a...); });
}

#define THISBACK(x) Upp::callback(this, &CLASSNAME::x)

} // namespace Upp

#endif
