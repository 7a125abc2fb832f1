topic "Donate";
[ $$0,0#00000000000000000000000000000000:Default]
[{_} 
[ {{10000@0 [s0;= [@(28.170.200)+184 Lunbrek][@(28.170.200)*+150  ][@(28.170.200) Version 0.3.0]]
::@1 [s0;< [R Recommend to family and friends]]}}&]
[ {{10000@(229) [s0;# If Lunbrek saves you time, please recommend it to your family, friends and colleagues. Lunbrek is free for personal use and is released under the [^https://www.gnu.org/licenses/gpl-3.0.html^ GNU General Public License.]]}}&]
[ {{10000@1 [s0; [*R+117^http://www.lunbrek.org/donate^ Donate]]}}&]
[ {{10000@(229) [s0;# Lunbrek is written and kept up in spare time. A donation, however small, helps to pay for its maintenance, further development and web hosting. Thank you for supporting Lunbrek!]}}]]