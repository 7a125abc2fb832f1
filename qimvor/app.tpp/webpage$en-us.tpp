topic "www.lunbrek.org";
[ $$0,0#00000000000000000000000000000000:Default]
[{_} 
[s0;%EN-US [^http://www.lunbrek.org^ www.lunbrek.org]]]