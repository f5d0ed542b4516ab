Caligari V00.01ALH             
Grou V0.01 Id 1000005 Parent 0 Size -1
Name Burstkin
center 0 0 0
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
PolH V0.02 Id 1000006 Parent 1000005 Size -1
Name Bk,2
center 0 0 9.31323e-10
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 16
1.000000 1.000000 0.100000
1.000000 -1.000000 0.100000
-1.000000 -1.000000 0.100000
-1.000000 1.000000 0.100000
0.500000 -0.500000 0.100000
0.500000 0.500000 0.100000
-0.500000 0.500000 0.100000
-0.500000 -0.500000 0.100000
1.000000 -1.000000 -0.100000
1.000000 1.000000 -0.100000
-1.000000 1.000000 -0.100000
-1.000000 -1.000000 -0.100000
0.500000 0.500000 -0.100000
0.500000 -0.500000 -0.100000
-0.500000 -0.500000 -0.100000
-0.500000 0.500000 -0.100000
Texture Vertices 8
1.000000 1.000000
1.000000 0.000000
0.000000 0.000000
0.000000 1.000000
0.750000 0.250000
0.750000 0.750000
0.250000 0.750000
0.250000 0.250000
Faces 12
Face verts 4 flags 0 mat 0
<0,0> <1,1> <2,2> <3,3> 
Hole verts 4
<4,4> <5,5> <6,6> <7,7> 
Face verts 4 flags 0 mat 0
<8,1> <9,0> <10,3> <11,2> 
Hole verts 4
<12,5> <13,4> <14,7> <15,6> 
Face verts 4 flags 0 mat 1
<3,0> <10,1> <9,2> <0,3> 
Face verts 4 flags 0 mat 1
<5,5> <12,4> <15,7> <6,6> 
Face verts 4 flags 0 mat 1
<2,0> <11,1> <10,2> <3,3> 
Face verts 4 flags 0 mat 1
<6,5> <15,4> <14,7> <7,6> 
Face verts 4 flags 0 mat 1
<1,0> <8,1> <11,2> <2,3> 
Face verts 4 flags 0 mat 1
<7,5> <14,4> <13,7> <4,6> 
Face verts 4 flags 0 mat 1
<0,0> <9,1> <8,2> <1,3> 
Face verts 4 flags 0 mat 1
<4,5> <13,4> <12,7> <5,6> 
Mat1 V0.05 Id 1000008 Parent 1000006 Size -1
mat# 0
shader: metal  facet: smooth
rgb 0.700000,0.720000,0.750000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
bump: hammered.bmp
offset 0.00,0.00 repeats 3.00,3.00 amp 0.25 flags 0
PrTx V0.01 Id 1000009 Parent 1000006 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.900000,0.900000,0.880000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
marble:
stonergba 0.900000,0.880000,0.850000,1.000000  veinrgba 0.300000,0.300000,0.350000,1.000000
sharpness 0.60  scale 1.00,1.00,1.00
turbulence 4  grain 3  seed 29
Unit V0.01 Id 1000007 Parent 1000006 Size -1
Units 1
Chan V0.04 Id 1000010 Parent 1000006 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c 0.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -3.000000 b 0.000000 orientation 0.600000 -0.273421 -0.041285 0.175408
Chan V0.04 Id 1000011 Parent 1000006 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c 0.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -3.000000 b 0.000000 position 0.000000 0.000000 0.000000
Chan V0.04 Id 1000012 Parent 1000006 Size -1
Name Global
type 4
flags 1 frames 2
time 0 acc 0 t 0.000000 c 0.000000 b 0.000000 size 1.000000 1.000000 1.000000
time 30 acc 0 t 0.000000 c -3.000000 b 0.000000 size 0.250000 0.250000 0.250000
END  V1.00 Id 0 Parent 0 Size        0